# Volantis4: every target installs what is missing first, so a fresh Debian 12 machine needs nothing else.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local
ASAN_DIR ?= build-asan
TSAN_DIR ?= build-tsan
TIDY_DIR ?= build-tidy
# CI's build knobs (.ci/run): each target's files compiled together, extra flags for the tests' own code.
UNITY ?= OFF
TEST_CODE_FLAGS ?=
# The project's own C++ files (the formatter and clang-tidy look at these only).
SOURCES = $(shell git ls-files '*.cpp' '*.h')

.PHONY: all setup configure build test test-asan test-tsan run bench fuzz format format-check tidy pictures install package clean

all: build

setup:
	@scripts/setup.sh

# The build says only what matters (warnings, errors): no progress lines, no directory changes.
configure: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_RULE_MESSAGES=OFF -DCMAKE_TARGET_MESSAGES=OFF \
	  -DCMAKE_UNITY_BUILD=$(UNITY) -DVOLANTIS4_TEST_CODE_FLAGS="$(TEST_CODE_FLAGS)" >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) -- --no-print-directory

test: build
	@cd $(BUILD_DIR) && { ctest --output-on-failure -j $(JOBS); status=$$?; $(CURDIR)/scripts/skip-reasons.sh; exit $$status; }

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer in $(ASAN_DIR).
test-asan: setup
	@scripts/test_asan.sh $(ASAN_DIR) $(JOBS)

# The test programs that start threads built with ThreadSanitizer in $(TSAN_DIR), and run.
test-tsan: setup
	@scripts/test_tsan.sh $(TSAN_DIR) $(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR)

bench: build
	@$(BUILD_DIR)/bench/volantis4-bench
	@if [ -x $(BUILD_DIR)/bench/volantis4-views-bench ]; then $(BUILD_DIR)/bench/volantis4-views-bench; fi
# The window with live results, beside the headless default run measured in the same program.
	@if [ -x $(BUILD_DIR)/bench/volantis4-window-bench ]; then \
	  $(BUILD_DIR)/bench/volantis4-window-bench --benchmark_filter='BM_Live|BM_Run/1144' --benchmark_repetitions=5; fi

# Installs the programs, menu entry, icons, file types, manual pages and examples under PREFIX.
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Writes the Debian package volantis4_<version>_amd64.deb here, built from $(BUILD_DIR).
package: build
	@rm -f $(BUILD_DIR)/volantis4_*_amd64.deb
	@cd $(BUILD_DIR) && cpack -G DEB >/dev/null
	@cp $(BUILD_DIR)/volantis4_*_amd64.deb .
	@ls volantis4_*_amd64.deb

# Builds the file readers' fuzz targets with clang in $(FUZZ_DIR) and runs each for FUZZ_SECONDS.
fuzz: setup
	@scripts/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(JOBS)

# The default aircraft's drawings as PNG files in $(BUILD_DIR)/pictures, for a look by eye.
pictures: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target volantis4-view-pictures -- --no-print-directory
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/scripts/pictures/volantis4-view-pictures $(BUILD_DIR)/pictures
	@echo "Pictures written to $(BUILD_DIR)/pictures"

format: setup
	@clang-format -i $(SOURCES)

format-check: setup
	@clang-format --dry-run --Werror $(SOURCES)

# clang-tidy with the committed .clang-tidy over the project's own sources in $(TIDY_DIR).
tidy: setup
	@scripts/tidy.sh $(TIDY_DIR) $(JOBS)

clean:
	@rm -rf $(BUILD_DIR) $(ASAN_DIR) $(TSAN_DIR) $(TIDY_DIR)
