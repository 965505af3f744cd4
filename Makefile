# Thin wrapper around CMake so that a fresh Debian machine needs two commands:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
BUILD       ?= build
BUILD_TYPE  ?= Asan
BENCH_BUILD ?= build-bench
JOBS        ?= 2

PACKAGES = cmake g++ make pkg-config qt6-base-dev libgtest-dev libgmock-dev \
           libbenchmark-dev libswe-dev swe-basic-data swe-standard-data \
           libcli11-dev nlohmann-json3-dev clang-14 libclang-rt-14-dev \
           python3-icalendar fonts-noto-cjk
BENCH_PACKAGES = libicu-dev

.PHONY: deps bench-deps configure build test run bench clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi

bench-deps: deps
	@for p in $(BENCH_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || \
	  (apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$p); done

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

run: build
	@if [ -x $(BUILD)/bin/tavro ]; then $(BUILD)/bin/tavro; else $(BUILD)/bin/tavro-cli --help; fi

bench: bench-deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTAVRO_BENCH=ON
	cmake --build $(BENCH_BUILD) -j$(JOBS)
	@for b in $(BENCH_BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(BENCH_BUILD)
