# A thin driver: install what is missing, configure, build, run.
BUILD ?= build
TYPE ?= Release

.PHONY: deps configure build run test bench format clean

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	./$(BUILD)/dorvane

test: build
	ctest --test-dir $(BUILD) --output-on-failure

bench: build
	./$(BUILD)/bench/dorvane_bench

# The formatter knows C++ only; CMake files and scripts are written by hand.
format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
