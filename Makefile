# A thin driver: install what is missing, configure, build, run.
BUILD ?= build
TYPE ?= Release
CHECK_BUILD ?= build-check
PREFIX ?= /usr/local
# Leaks inside Qt and the system's libraries are suppressed (see the file);
# leaks of the program are not. Any sanitizer report stops the test.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0 \
	DORVANE_MONKEY_SEEDS=11,12,13 DORVANE_MONKEY_ACTIONS=10000

.PHONY: deps configure build run test check bench install package format clean

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	./$(BUILD)/dorvane

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

# The whole test suite again in a Debug tree built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
check: deps
	@cmake -S . -B $(CHECK_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDORVANE_SANITIZE=ON >/dev/null
	@$(SANITIZER_ENV) cmake --build $(CHECK_BUILD)
	$(SANITIZER_ENV) ctest --test-dir $(CHECK_BUILD) --output-on-failure -j2

bench: build
	./$(BUILD)/bench/dorvane_bench

# The program, its desktop entry, icon and metainfo under PREFIX (and DESTDIR).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# A .deb of the program, in the build tree.
package: build
	cd $(BUILD) && cpack -G DEB

# The formatter knows C++ only; CMake files and scripts are written by hand.
format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(CHECK_BUILD)
