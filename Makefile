# Thin wrapper around CMake so that a fresh Debian machine needs two commands:
#   make run      install what is missing, build the two programs, start the window
#   make test     install what is missing, build, run every test (and each
#                 fuzz target for a few seconds)
#   make package  the Debian package dist/tavro_<version>_<arch>.deb
#   make fuzz     build the fuzz targets with clang and run each FUZZ_SECONDS
BUILD       ?= build
BUILD_TYPE  ?= Asan
BENCH_BUILD ?= build-bench
# The optimised tree of the programs alone, without tests: `make run`, `make package`.
RELEASE_BUILD ?= build-release
JOBS        ?= 2
FUZZ_BUILD  ?= build-fuzz
FUZZ_SECONDS ?= 60
SMOKE_SECONDS ?= 10

PACKAGES = cmake g++ make pkg-config qt6-base-dev libgtest-dev libgmock-dev \
           libbenchmark-dev libswe-dev swe-basic-data swe-standard-data \
           libcli11-dev nlohmann-json3-dev clang-14 libclang-rt-14-dev \
           python3-icalendar fonts-noto-cjk fonts-dejavu-core \
           dpkg-dev file lintian desktop-file-utils appstream bash-completion \
           qt6-svg-dev
BENCH_PACKAGES = libicu-dev

.PHONY: deps bench-deps configure build test run release package bench clean fuzz fuzz-build

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
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Debug \
	  -DTAVRO_FUZZ=ON -DTAVRO_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_targets

fuzz: fuzz-build
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

release: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DTAVRO_TESTS=OFF
	cmake --build $(RELEASE_BUILD) -j$(JOBS) --target tavro tavro-cli

run: release
	$(RELEASE_BUILD)/bin/tavro

# Every error lintian finds fails the target; its warnings are printed.
package: release
	cd $(RELEASE_BUILD) && cpack
	@deb=$$(ls -t dist/tavro_*_$$(dpkg --print-architecture).deb | head -1); \
	  echo "lintian $$deb"; lintian --fail-on error $$deb

bench: bench-deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTAVRO_BENCH=ON -DTAVRO_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j$(JOBS)
	@for b in $(BENCH_BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(BENCH_BUILD) $(RELEASE_BUILD) $(FUZZ_BUILD) dist
