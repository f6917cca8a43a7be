# Newcomer's entry points. `make run`, `make test` and `make package` set up
# the machine, configure, build, and then start the program, run every test
# or write the Debian package.
BUILD_DIR := build
CMAKE_CONFIGURE := cmake --preset default

.PHONY: setup configure build test run web serve package bench table format clean

setup:
	@bash scripts/setup.sh

configure: setup
	@[ -f $(BUILD_DIR)/build.ninja ] || $(CMAKE_CONFIGURE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

# The browser tests drive the site in build-web/site, so it is built first.
test: build web
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300

run: build
	@bash scripts/run.sh $(BUILD_DIR)

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
	@node bench/web_pass_bench.js build-web/site
	@/usr/bin/python3 bench/web_site_bench.py build-web/site

table: build
	@cmake --build $(BUILD_DIR) --target regenerate-table

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) build-web
