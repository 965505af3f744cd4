# Thin wrapper around CMake so that a fresh Debian machine needs two commands:
#   make run      install what running needs, build the two programs, start the window
#   make test     install what the tests need, build the sanitizer tree, run every
#                 test (the fuzz targets replay their seed corpora as tests)
#   make package  the Debian package dist/tavro_<version>_<arch>.deb
#   make fuzz     build the fuzz targets with clang and run each FUZZ_SECONDS
#   make bench    the benchmarks, in an optimised tree of their own
BUILD       ?= build
BUILD_TYPE  ?= Asan
BENCH_BUILD ?= build-bench
# The optimised tree of the programs alone, without tests: `make run`, `make package`.
RELEASE_BUILD ?= build-release
JOBS        ?= 2
FUZZ_BUILD  ?= build-fuzz
FUZZ_SECONDS ?= 60

# What building and running the two programs needs.
RUN_PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libswe-dev swe-basic-data \
               swe-standard-data libcli11-dev nlohmann-json3-dev fonts-noto-cjk fonts-dejavu-core
# The tests add GoogleTest, a real iCalendar reader and the package validators.
TEST_PACKAGES = $(RUN_PACKAGES) libgtest-dev libgmock-dev python3-icalendar dpkg-dev file \
                lintian desktop-file-utils appstream bash-completion
PACKAGE_PACKAGES = $(RUN_PACKAGES) dpkg-dev file lintian
FUZZ_PACKAGES = $(RUN_PACKAGES) clang-14 libclang-rt-14-dev
BENCH_PACKAGES = $(RUN_PACKAGES) libbenchmark-dev libicu-dev

# $(call install,PACKAGES): apt-get only what is missing.
install = @missing=""; for p in $(1); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi

.PHONY: deps run-deps package-deps fuzz-deps bench-deps configure build test run release package bench clean fuzz fuzz-build

deps:
	$(call install,$(TEST_PACKAGES))
run-deps:
	$(call install,$(RUN_PACKAGES))
package-deps:
	$(call install,$(PACKAGE_PACKAGES))
fuzz-deps:
	$(call install,$(FUZZ_PACKAGES))
bench-deps:
	$(call install,$(BENCH_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The fuzz targets are built by clang in a tree of their own (the main build uses g++).
fuzz-build: fuzz-deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Debug \
	  -DTAVRO_FUZZ=ON -DTAVRO_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_targets

fuzz: fuzz-build
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

release: run-deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DTAVRO_TESTS=OFF
	cmake --build $(RELEASE_BUILD) -j$(JOBS) --target tavro tavro-cli

run: release
	$(RELEASE_BUILD)/bin/tavro

# Every error lintian finds fails the target; its warnings are printed.
package: package-deps release
	cd $(RELEASE_BUILD) && cpack
	@deb=$$(ls -t dist/tavro_*_$$(dpkg --print-architecture).deb | head -1); \
	  echo "lintian $$deb"; lintian --fail-on error $$deb

bench: bench-deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTAVRO_BENCH=ON -DTAVRO_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j$(JOBS)
	@for b in $(BENCH_BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(BENCH_BUILD) $(RELEASE_BUILD) $(FUZZ_BUILD) dist
