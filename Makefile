# Thin wrapper around CMake so that a fresh Debian machine needs two commands:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test (and each
#               fuzz target for a few seconds)
#   make fuzz   build the fuzz targets with clang and run each FUZZ_SECONDS
BUILD       ?= build
BUILD_TYPE  ?= Asan
BENCH_BUILD ?= build-bench
JOBS        ?= 2
FUZZ_BUILD  ?= build-fuzz
FUZZ_SECONDS ?= 60
SMOKE_SECONDS ?= 10

PACKAGES = cmake g++ make pkg-config qt6-base-dev libgtest-dev libgmock-dev \
           libbenchmark-dev libswe-dev swe-basic-data swe-standard-data \
           libcli11-dev nlohmann-json3-dev clang-14 libclang-rt-14-dev \
           python3-icalendar fonts-noto-cjk
BENCH_PACKAGES = libicu-dev

.PHONY: deps bench-deps configure build test run bench clean fuzz fuzz-build

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

test: build fuzz-build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	fuzz/run.sh $(FUZZ_BUILD) $(SMOKE_SECONDS)

# The fuzz targets are built by clang in a tree of their own (the main build uses g++).
fuzz-build: deps
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

fuzz: fuzz-build
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

run: build
	@if [ -x $(BUILD)/bin/tavro ]; then $(BUILD)/bin/tavro; else $(BUILD)/bin/tavro-cli --help; fi

bench: bench-deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTAVRO_BENCH=ON
	cmake --build $(BENCH_BUILD) -j$(JOBS)
	@for b in $(BENCH_BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
