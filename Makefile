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

.PHONY: deps check-deps configure build program run test check bench install package format clean translations

deps:
	@bash scripts/install-deps

check-deps:
	@bash scripts/install-deps --check

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD)

# The program and what it installs, without the tests and benchmarks.
program: configure
	@cmake --build $(BUILD) --target dorvane

run: build
	./$(BUILD)/dorvane

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

# The whole test suite again in a Debug tree built with AddressSanitizer and
# UndefinedBehaviorSanitizer, with the checks only this tree registers (the
# installed entry and metainfo through their validators, the windows on the
# accessibility bus), then the package through lintian.
check: check-deps
	@cmake -S . -B $(CHECK_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDORVANE_SANITIZE=ON >/dev/null
	@$(SANITIZER_ENV) cmake --build $(CHECK_BUILD)
	$(SANITIZER_ENV) ctest --test-dir $(CHECK_BUILD) --output-on-failure -j2
	@$(MAKE) --no-print-directory package

bench: build
	./$(BUILD)/bench/dorvane_bench

# The program, its desktop entry, icon and metainfo under PREFIX (and DESTDIR).
install: program
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# A .deb of the program, in the build tree, and what lintian says of it
# (skipped where lintian is not installed: make check-deps installs it).
package: program
	cd $(BUILD) && cpack -G DEB
	@bash scripts/lint-package $(BUILD)

# The formatter knows C++ only; CMake files and scripts are written by hand.
format:
	@git ls-files '*.cpp' '*.h' | grep -v '^tests/layering/upward/' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(CHECK_BUILD)

# The .ts files of every area brought up to date with the texts in the code
# (README, Translating). An area's texts come from its folders.
LUPDATE ?= /usr/lib/qt6/bin/lupdate
AREAS = core:core shell:shell,ui population:windows/population samples:windows/samples \
	confint:windows/confint dorvane:windows/sampdist
translations:
	@for pair in $(AREAS); do area=$${pair%%:*}; dirs=$$(echo $${pair#*:} | tr , ' '); \
	  $(LUPDATE) -silent -locations none -no-obsolete -tr-function-alias QT_TRANSLATE_NOOP+=DV_TEXT \
	    $$dirs -ts translations/$${area}_de.ts translations/$${area}_es.ts || exit 1; done
