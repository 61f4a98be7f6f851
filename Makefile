# The front door: `make run` opens the program, `make test` runs every test.
# Both first install whatever Debian packages are missing.

BUILD_DIR      ?= build
ASAN_BUILD_DIR ?= build-asan
GENERATOR      := -G Ninja
JOBS           ?= $(shell nproc)
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS   ?= 60
FUZZ_TARGETS   := number_reading decimal_arithmetic to_fraction pages
COVERAGE_BUILD_DIR ?= build-coverage

.PHONY: all deps build build-asan run test test-normal test-asan fuzz coverage bench lint format screenshots clean
.PHONY: deb test-package test-package-if-fresh atspi speech

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

# Lint runs between the two builds' tests, so that a finding fails CI without waiting for ASan.
test: test-normal lint test-asan test-package-if-fresh

test-normal: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS, from its committed corpus; what it finds stays in the build
# folder (copy a finding into fuzz/corpus/ to keep it as a test).
fuzz:
	./scripts/install-deps.sh --fuzz
	cmake -S . -B $(FUZZ_BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DTALVERA_FUZZ=ON
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target fuzzers
	for t in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_BUILD_DIR)/found/$$t && \
		./$(FUZZ_BUILD_DIR)/fuzz-$$t -max_total_time=$(FUZZ_SECONDS) -dict=fuzz/$$t.dict \
			-artifact_prefix=$(FUZZ_BUILD_DIR)/found/$$t- \
			$(FUZZ_BUILD_DIR)/found/$$t fuzz/corpus/$$t || exit 1; \
	done

# Line and branch coverage of src/ by every test; src/core must keep 95 % of its lines, src/ 90 %.
coverage:
	./scripts/install-deps.sh --coverage
	cmake -S . -B $(COVERAGE_BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DTALVERA_COVERAGE=ON
	cmake --build $(COVERAGE_BUILD_DIR) -j $(JOBS)
	find $(COVERAGE_BUILD_DIR) -name '*.gcda' -delete
	cd $(COVERAGE_BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	gcovr -r . --object-directory $(COVERAGE_BUILD_DIR) --filter 'src/' --exclude-throw-branches \
		--print-summary --fail-under-line 90 -o $(COVERAGE_BUILD_DIR)/coverage.txt
	gcovr -r . --object-directory $(COVERAGE_BUILD_DIR) --filter 'src/core/' --exclude-throw-branches \
		--print-summary --fail-under-line 95 -o $(COVERAGE_BUILD_DIR)/coverage-core.txt

bench: build
	QT_QPA_PLATFORM=offscreen ./scripts/run-benchmarks.sh $(BUILD_DIR)

lint: build
	./scripts/lint.sh $(BUILD_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Every page at 100 % and at 200 %, on a virtual 1080p screen, and both pages of a worksheet.
screenshots: build
	QT_QPA_PLATFORM=offscreen:configfile=tools/offscreen-1080p.json \
		./$(BUILD_DIR)/talvera-screenshots docs/screenshots 100 200
	pdftoppm -png -r 72 docs/screenshots/worksheet.pdf docs/screenshots/worksheet
	rm docs/screenshots/worksheet.pdf

# The program as a screen reader drives it, through the desktop accessibility bus on a virtual X
# server; `PROBE_SCREEN=3840x2160x24 QT_SCALE_FACTOR=2 make atspi` does it on a scaled screen.
atspi: build
	./scripts/install-deps.sh --atspi
	./tools/atspi-probe.sh $(BUILD_DIR)

# Reading aloud for real: a private speech-dispatcher with espeak-ng takes a Portuguese sentence
# from the program's voice, in the voice of Portugal.
speech: build
	./tools/speech-probe.sh $(BUILD_DIR)

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
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR) $(FUZZ_BUILD_DIR) $(COVERAGE_BUILD_DIR) build-deb dist
