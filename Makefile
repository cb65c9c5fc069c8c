# Newcomer entry points: `make run` starts the viewer, `make test` runs every test.
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TIMEOUT ?= 5
CMAKE_ARGS ?=
JOBS       ?= $(shell nproc)

.PHONY: all deps build run test asan-test bench fuzz package package-test clean

all: build

deps:
	@./tools/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# A demo recording is made once: three million frames, a dozen channels of mixed types,
# with ranges and spots.
DEMO ?= $(BUILD)/demo/demo.mdf

run: build
	@test -f $(DEMO) || { mkdir -p $(dir $(DEMO)) && \
		$(BUILD)/bin/grafyon-generate $(DEMO) --frames 3000000 --channels 12 \
			--signals sine,ramp,noise,steps,sine,sine --ranges 4 --spots 2 --comments 1; }
	$(BUILD)/bin/Grafyon $(DEMO)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, $(BUILD)/grafyon_<version>_<arch>.deb; package-test unpacks it into a
# scratch root and runs the programs from there.
package: build
	@./tools/install-deps.sh package
	rm -f $(BUILD)/grafyon_*.deb
	cd $(BUILD) && cpack -G DEB

package-test: package
	@./tools/install-deps.sh package-test
	./packaging/tests/check_package.sh $(BUILD)

# The GUI-free cores and their tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan-test: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGRAFYON_GUI=OFF -DGRAFYON_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DGRAFYON_BENCH=ON -DGRAFYON_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	./bench/run.sh $(BENCH_BUILD)

# The libFuzzer targets, built with clang under the sanitizers, each run FUZZ_SECONDS on a
# corpus that starts from its seeds.
fuzz:
	@./tools/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DGRAFYON_FUZZ=ON -DGRAFYON_GUI=OFF -DGRAFYON_TESTS=OFF $(CMAKE_ARGS)
	cmake --build $(FUZZ_BUILD) --target grafyon_fuzz -j $(JOBS)
	FUZZ_TIMEOUT=$(FUZZ_TIMEOUT) ./fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
