# Quick start: `make run` opens the editor on a copy of the sample roster,
# `make test` builds with the sanitizers and runs every test.
BUILD      ?= build
TEST_BUILD ?= build-test
RUN_DIR    ?= run
JOBS       ?= $(shell nproc)

export LSAN_OPTIONS := suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS := print_stacktrace=1:halt_on_error=1

.PHONY: setup build run test bench bench-startup picture format clean

setup:
	@scripts/setup-deps.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROSTER_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)

# The editor works on a copy in $(RUN_DIR)/, never on the bundled sample itself.
run: build
	@mkdir -p $(RUN_DIR)
	@[ -f $(RUN_DIR)/rosters.txt ] || cp data/rosters.txt $(RUN_DIR)/rosters.txt
	@echo "Opening the editor on $(RUN_DIR)/rosters.txt"
	cd $(RUN_DIR) && $(abspath $(BUILD))/roster-editor

test: setup
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DROSTER_SANITIZE=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	ctest --test-dir $(TEST_BUILD) --output-on-failure -j $(JOBS)

bench: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DROSTER_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)
	scripts/run-benchmarks.sh $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(TEST_BUILD)

# Start-up of the editor against a minimal Qt dialog, both under a private X server.
bench-startup: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DROSTER_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS) --target roster-editor floor_dialog
	scripts/bench-startup.sh $(BUILD)

# Regenerates the picture of the main window that README.md shows, drawn offscreen by the
# program's own Qt host on the sample roster.
picture: setup
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DROSTER_SANITIZE=ON
	cmake --build $(TEST_BUILD) -j $(JOBS) --target platform_qt_tests
	ROSTER_PICTURE=$(CURDIR)/docs/main-window.png QT_QPA_PLATFORM=offscreen \
	    $(TEST_BUILD)/tests/platform_qt_tests --gtest_filter='MainWindowPicture.*'
