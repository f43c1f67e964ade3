# The two commands a new machine needs: `make run` and `make test`.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD ?= build
ASAN_BUILD ?= build-asan

.PHONY: all deps configure build run test test-asan bench clean

all: build

deps:
	@tools/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Starts the program from the folder that holds Info.tnv beside it.
run: build
	cd $(BUILD) && ./brisola

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan

# Unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DBRISOLA_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target unit_tests
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -L unit

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	bench/run-all $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
