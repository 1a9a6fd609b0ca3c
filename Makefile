# Volantis4: every target installs what is missing first, so a fresh Debian 12 machine needs nothing else.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local

.PHONY: all setup configure build test run bench fuzz install package clean

all: build

setup:
	@scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && { ctest --output-on-failure -j $(JOBS); status=$$?; $(CURDIR)/scripts/skip-reasons.sh; exit $$status; }

run: build
	@scripts/run.sh $(BUILD_DIR)

bench: build
	@$(BUILD_DIR)/bench/volantis4-bench
	@if [ -x $(BUILD_DIR)/bench/volantis4-views-bench ]; then $(BUILD_DIR)/bench/volantis4-views-bench; fi

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

clean:
	@rm -rf $(BUILD_DIR)
