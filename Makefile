# The front door: `make run` opens the program, `make test` runs every test.
# Both first install whatever Debian packages are missing.

BUILD_DIR      ?= build
ASAN_BUILD_DIR ?= build-asan
GENERATOR      := -G Ninja
JOBS           ?= $(shell nproc)

.PHONY: all deps build build-asan run test test-normal test-asan bench lint format screenshots clean
.PHONY: deb test-package test-package-if-fresh

all: build

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DTALVERA_SANITIZE=ON
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/talvera

test: test-normal test-asan test-package-if-fresh

test-normal: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen ./scripts/run-benchmarks.sh $(BUILD_DIR)

lint: build
	./scripts/lint.sh $(BUILD_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/talvera-screenshots docs/screenshots

# The Debian package, in dist/; `sudo apt install ./dist/talvera_*.deb` installs it.
deb:
	./scripts/install-deps.sh --package
	./scripts/build-deb.sh $(JOBS)

test-package:
	./scripts/install-deps.sh --package
	./scripts/test-package.sh

# Part of `make test` once `make deb` has made a package newer than the sources.
test-package-if-fresh:
	./scripts/test-package.sh --if-fresh

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR) build-deb dist
