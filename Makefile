# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Newcomer's entry points. `make run`, `make test` and `make package` set up
# the machine, configure, build, and then start the program, run every test
# or write the Debian package.
# `make check` is the full gate that continuous integration runs: the licence
# check, `make test`, then the sweep, the window stress test, the sanitizer
# build with every test, and the fuzzers (scripts/check.sh times each step).
BUILD_DIR := build
SANITIZE_DIR := build-sanitize
CMAKE_CONFIGURE := cmake --preset default
# Labels of the slow gates that `make test` leaves to `make check`.
SLOW_LABELS := ^(sweep|stress)$$
FUZZ_SECONDS := 15
# The tests run side by side, one at a time per processor.
TEST_JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: setup configure build test run check licences sweep stress sanitize sanitize-build fuzz web serve package bench table format clean

setup:
	@bash scripts/setup.sh

configure: setup
	@[ -f $(BUILD_DIR)/build.ninja ] || $(CMAKE_CONFIGURE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

# The browser tests drive the site in build-web/site, so it is built first.
test: build web
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j $(TEST_JOBS) -LE '$(SLOW_LABELS)'

run: build
	@bash scripts/run.sh $(BUILD_DIR)

check:
	@bash scripts/check.sh

# Every file names its licence (the REUSE rules: a header, or .reuse/dep5).
licences: setup
	@reuse lint

# Every scroll-bar setting of the four profile and flow bars, twice.
sweep: build
	@cd $(BUILD_DIR) && ctest -V -L '^sweep$$'

# 10,000 random events on the window.
stress: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -L '^stress$$'

# Every test built with ASan + UBSan (clang-14) and run; the sweep on a
# reduced grid and the first quarter of the stress test's events. Install and
# browser tests run no sanitized code of ours.
sanitize: sanitize-build
	@ctest --preset sanitize

sanitize-build: setup
	@[ -f $(SANITIZE_DIR)/build.ninja ] || cmake --preset sanitize >/dev/null
	@cmake --build $(SANITIZE_DIR)

# Each libFuzzer target for FUZZ_SECONDS from its corpus (sanitizer build).
fuzz: sanitize-build
	@bash scripts/fuzz.sh $(SANITIZE_DIR) $(FUZZ_SECONDS)

# The Debian package: $(BUILD_DIR)/fluvenna_<version>_<arch>.deb
package: build
	@cmake --build $(BUILD_DIR) --target package

# The browser edition: a static site in build-web/site/, and a local server for it.
web: setup
	@bash scripts/build-web.sh

serve: web
	@echo "Fluvenna in the browser: http://127.0.0.1:8000/ (Ctrl-C stops the server)"
	@cd build-web/site && python3 -m http.server 8000 --bind 127.0.0.1

bench: build web
	@$(BUILD_DIR)/bench/fluvenna-bench
	@bash bench/render_bench.sh $(BUILD_DIR)/cli/fluvenna-render
	@node bench/web_pass_bench.js build-web/site
	@/usr/bin/python3 bench/web_site_bench.py build-web/site
	@/usr/bin/python3 bench/web_live_bench.py build-web/site
	@bash bench/web_lighthouse_bench.sh build-web/site

table: build
	@cmake --build $(BUILD_DIR) --target regenerate-table

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) build-web
