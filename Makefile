# Entry points: deps, dist, release, test, fuzz, demo. Every target installs what is missing first.
BUILD := build
JOBS ?= 2
CMAKE_WIN64 := cmake -S . -B $(BUILD)/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
CMAKE_WIN32 := cmake -S . -B $(BUILD)/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release -DMOH_BUILD_TESTS=OFF
CMAKE_NATIVE := cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug

.PHONY: deps native win32 win64 dist release test test-native test-wine test-install fuzz bench demo clean

deps:
	@tools/install-deps.sh

native: deps
	$(CMAKE_NATIVE) >/dev/null
	cmake --build $(BUILD)/native -j$(JOBS)

win64: deps
	$(CMAKE_WIN64) >/dev/null
	cmake --build $(BUILD)/win64 -j$(JOBS)

win32: deps
	$(CMAKE_WIN32) >/dev/null
	cmake --build $(BUILD)/win32 -j$(JOBS)

dist: win32 win64
	rm -rf dist
	cmake --install $(BUILD)/win32 --prefix dist/win32 >/dev/null
	cmake --install $(BUILD)/win64 --prefix dist/win64 >/dev/null
	tools/check-dist.sh dist

# Per architecture a zip of the module folder and an MSI installer, with SHA256SUMS.
RELEASE := out/release
release: dist
	tools/release/make-release.sh dist $(RELEASE) $$(cat $(BUILD)/win64/version.txt)
	tools/release/check-release.sh $(RELEASE) dist $$(cat $(BUILD)/win64/version.txt)
	@cd $(RELEASE) && ls -l && sha256sum -c SHA256SUMS

test-native: native
	cd $(BUILD)/native && ctest --output-on-failure

test-wine: win64
	tests/win/run-wine-tests.sh $(BUILD)/win64

test: release test-native test-wine test-install

# The 64-bit installer under Wine: installed into a chosen folder, a call session from there, uninstalled.
test-install: release
	tests/win/install_test.sh $(BUILD)/win64 $(RELEASE)/pellora-$$(cat $(BUILD)/win64/version.txt)-win64.msi dist/win64

# Each fuzz target runs FUZZ_SECONDS; crashing inputs are kept in tests/fuzz/regressions/. The
# call engine's event-sequence fuzzer is one of them; tests/fuzz/plant-engine-faults.sh shows
# that each of its invariants fires.
# FUZZ_TARGETS picks targets (default all), FUZZ_RUNS stops each after that many runs.
FUZZ_SECONDS ?= 30
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_RUNS=$(FUZZ_RUNS) FUZZ_TARGETS="$(FUZZ_TARGETS)" tests/fuzz/run-fuzzers.sh $(BUILD)/fuzz

# Phone-book lookup against a plain read of the file, optimised and without sanitizers, natively
# and under Wine; the call-list dialogs against a plain list view filled from the same file; the
# status window under Wine: start-up, AlertMOH per call and idle CPU, each against its anchor.
bench: deps
	uptime
	mkdir -p $(BUILD)/bench
	$(CXX) -std=c++17 -O2 -Wall -Wextra -Werror -Iengine -Icalllists -o $(BUILD)/bench/lookup_bench \
	  bench/lookup_bench.cpp calllists/list_text.cpp engine/bounded_text.cpp
	$(BUILD)/bench/lookup_bench
	$(CMAKE_WIN64) >/dev/null
	cmake --build $(BUILD)/win64 --target lookup_bench_wine list_dialog_bench_wine window_bench -j$(JOBS)
	tools/wine-session.sh start $(BUILD)/win64
	$(BUILD)/win64/wine-run.sh $(BUILD)/win64/bin/lookup_bench_wine.exe; status=$$?; \
	  $(BUILD)/win64/wine-run.sh $(BUILD)/win64/bin/list_dialog_bench_wine.exe || status=1; \
	  $(BUILD)/win64/wine-run.sh $(BUILD)/win64/bin/window_bench.exe || status=1; \
	  tools/wine-session.sh stop $(BUILD)/win64; exit $$status

# The accept-and-resume scenario under Wine, on a display of its own when none is set: pictures of
# the status window, the host's log and the library's trace land in out/demo/.
DEMO_OUT := out/demo
demo: win64
	rm -rf $(DEMO_OUT)
	mkdir -p $(DEMO_OUT)
	tools/wine-session.sh start $(BUILD)/win64
	@# Marlett draws the caption buttons; without it they show as letters.
	@cp -n /usr/share/wine/fonts/marlett.ttf $(BUILD)/win64/wineprefix/drive_c/windows/Fonts/ 2>/dev/null || true
	$(BUILD)/win64/wine-run.sh $(BUILD)/win64/bin/mohhost.exe --scenario scenarios/accept_and_resume.txt \
	  --screenshots $(DEMO_OUT) --log $(DEMO_OUT)/host.log --trace $(DEMO_OUT); status=$$?; \
	  tools/wine-session.sh stop $(BUILD)/win64; \
	  echo "Pictures of the status window: $$(ls $(DEMO_OUT)/*.png 2>/dev/null | tr '\n' ' ')"; \
	  echo "Host log: $(DEMO_OUT)/host.log; library trace: $(DEMO_OUT)/window-trace.txt, $(DEMO_OUT)/MoHlog.txt"; \
	  if [ $$status -eq 0 ]; then echo "Every expectation held."; else echo "Some expectations failed (exit $$status)."; fi; \
	  exit $$status

clean:
	rm -rf $(BUILD) dist $(RELEASE)
