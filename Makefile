# The front door: `make run` opens the program, `make test` runs every test.
# Both first install whatever Debian packages are missing.

BUILD_DIR      ?= build
ASAN_BUILD_DIR ?= build-asan
GENERATOR      := -G Ninja
JOBS           ?= $(shell nproc)

.PHONY: all deps build build-asan run test test-normal test-asan bench lint format screenshots clean

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

test: test-normal test-asan

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

# Every page at 100 % and at 200 %, on a virtual 1080p screen.
screenshots: build
	QT_QPA_PLATFORM=offscreen:configfile=tools/offscreen-1080p.json \
		./$(BUILD_DIR)/talvera-screenshots screenshots 100 200

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR)
