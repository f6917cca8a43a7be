# Newcomer's entry points. `make run`, `make test` and `make package` set up
# the machine, configure, build, and then start the program, run every test
# or write the Debian package.
BUILD_DIR := build
CMAKE_CONFIGURE := cmake --preset default

.PHONY: setup configure build test run package bench table format clean

setup:
	@bash scripts/setup.sh

configure: setup
	@[ -f $(BUILD_DIR)/build.ninja ] || $(CMAKE_CONFIGURE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300

run: build
	@bash scripts/run.sh $(BUILD_DIR)

# The Debian package: $(BUILD_DIR)/fluvenna_<version>_<arch>.deb
package: build
	@cmake --build $(BUILD_DIR) --target package

bench: build
	@$(BUILD_DIR)/bench/fluvenna-bench

table: build
	@cmake --build $(BUILD_DIR) --target regenerate-table

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR)
