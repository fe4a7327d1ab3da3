# The two commands of the README. Both install what is missing first.
BUILD_DIR := build
TEST_DIR := build-test
JOBS := $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

FUZZ_DIR := build-fuzz
# Seconds for each fuzz target; two targets make ten minutes.
FUZZ_SECONDS := 300
SOAK_EVENTS := 100000

.PHONY: play test deps build build-test fuzz soak bench package translations

play: build
	@scripts/run-game $(BUILD_DIR)/ninefold

test: build-test
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNINEFOLD_TESTS=OFF
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

build-test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DNINEFOLD_SANITIZE=ON -DNINEFOLD_WERROR=ON
	cmake --build $(TEST_DIR) --parallel $(JOBS)

# The translations' .ts files brought up to date with the texts the sources mark: lupdate adds
# new texts (untranslated, for Qt Linguist), drops the ones gone and updates their source lines.
translations: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNINEFOLD_TESTS=OFF
	cmake --build $(BUILD_DIR) --target ninefold_lupdate

# Each fuzz target for FUZZ_SECONDS, from the committed corpus; new inputs and any crash
# (crash-*) land in $(FUZZ_DIR).
fuzz: deps
	@scripts/install-deps debian-packages.txt debian-packages-fuzz.txt
	cmake -S . -B $(FUZZ_DIR) -DNINEFOLD_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) --parallel $(JOBS)
	cd $(FUZZ_DIR) && for target in saved-game replay; do \
		mkdir -p corpus-$$target && \
		./fuzz-$$target -max_total_time=$(FUZZ_SECONDS) -timeout=30 -rss_limit_mb=4096 \
			-print_final_stats=1 corpus-$$target ../tools/fuzz/corpus/$$target || exit 1; \
	done

# The long soak: random clicks on every window, with the sanitizers.
soak: build-test
	cd $(TEST_DIR) && NINEFOLD_SOAK_EVENTS=$(SOAK_EVENTS) QT_QPA_PLATFORM=offscreen \
		./tests/front/front_tests --gtest_filter='Soak.*'

# Speed figures, each printed after the command that made it.
bench: build
	@scripts/install-deps debian-packages.txt debian-packages-bench.txt
	@echo "\$$ scripts/bench-engine $(BUILD_DIR)"
	@scripts/bench-engine $(BUILD_DIR)
	@for mode in windows rolling; do \
		echo "\$$ $(BUILD_DIR)/ninefold-bench $$mode"; \
		$(BUILD_DIR)/ninefold-bench $$mode 2>/dev/null || exit 1; \
	done
	@echo "\$$ xvfb-run -a scripts/bench-startup $(BUILD_DIR)"
	@xvfb-run -a -s '-screen 0 1024x768x24' scripts/bench-startup $(BUILD_DIR)
	@echo "\$$ xvfb-run -a scripts/bench-record $(BUILD_DIR)"
	@xvfb-run -a -s '-screen 0 1024x768x24' scripts/bench-record $(BUILD_DIR)

# The Debian package, from a Release build in the Debian games layout, packed under the
# loosest umask (its permissions must not depend on it) and checked, lintian included.
PACKAGE_DIR := build-package
package: deps
	@scripts/install-deps debian-packages.txt debian-packages-package.txt
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DNINEFOLD_TESTS=OFF \
		-DNINEFOLD_DEBIAN_LAYOUT=ON -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(PACKAGE_DIR) --parallel $(JOBS)
	cd $(PACKAGE_DIR) && rm -f ninefold_*.deb && (umask 000 && cpack -G DEB)
	scripts/check-package-contents $(PACKAGE_DIR)/ninefold_*.deb
