# Two commands do everything: `make run` and `make test`.
BUILD_DIR := build

.PHONY: run test build deps configure bench clean install package

run: build
	./$(BUILD_DIR)/solvane

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j2

deps:
	@scripts/install-deps

configure: deps
	@test -f $(BUILD_DIR)/build.ninja || cmake --preset default

build: configure
	cmake --build --preset default

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do echo "== $$b"; $$b; done

install: build
	cmake --install $(BUILD_DIR)

# The Debian package of everything `install` puts in place, in $(BUILD_DIR)/.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)
