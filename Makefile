# Set-up and everyday commands. `make run` builds only the game and plays, `make test` builds
# everything and runs every test, `make deb` makes the Debian package.
BUILD ?= build
WERROR := $(if $(CI),ON,OFF)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=Release -DDUNSPELT_WERROR=$(WERROR)
# What `make run` builds: the game, the asset baker and the baked application folder.
GAME_TARGETS := dunspelt

.PHONY: deps configure build run test test-windows-stress test-web update-golden bench deb clean

deps:
	@scripts/ensure-deps.sh $(BUILD)/deps.log

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: configure
	@cmake --build $(BUILD) --target $(GAME_TARGETS)
	$(BUILD)/app/dunspelt

# Four at once on two cores: the tests that play in real windows mostly wait (the intro alone
# takes ten seconds), so two more of them fit beside the ones that compute. ctest starts the
# longest first when it knows their times from an earlier run; a fresh clone takes them from
# the last run on this machine (COST_CACHE), or the longest would start last.
# Beside them, the page is built and tested in both browsers (the same game, built for the web
# from the same code): those tests mostly wait for the game's real time too. Their report
# follows ctest's (it is kept in $(BUILD)/test-web.log). Last, alone, the tests that measure
# real time (ctest's label `timed`, and the page's tick rate): beside the others, two cores
# cannot give their game its turns.
COST_DATA := $(BUILD)/Testing/Temporary/CTestCostData.txt
COST_CACHE := $(or $(XDG_CACHE_HOME),$(HOME)/.cache)/dunspelt/ctest-costs.txt
test: build
	@[ -f $(COST_DATA) ] || [ ! -f $(COST_CACHE) ] || install -D -m 644 $(COST_CACHE) $(COST_DATA)
	@echo "Building and testing the web page beside ctest (report after it: $(BUILD)/test-web.log)"
	@$(MAKE) --no-print-directory test-web WEB_TESTS=together >$(BUILD)/test-web.log 2>&1 & web=$$!; \
	ctest --test-dir $(BUILD) --output-on-failure -j4 -LE timed; native=$$?; \
	[ $$native -ne 0 ] || install -D -m 644 $(COST_DATA) $(COST_CACHE); \
	wait $$web; page=$$?; cat $(BUILD)/test-web.log; \
	echo "The tests that measure real time, alone:"; \
	ctest --test-dir $(BUILD) --output-on-failure -L timed; timed=$$?; \
	[ $$page -ne 0 ] || scripts/web-tests.sh $(BUILD) timed || page=1; \
	[ $$native -eq 0 ] && [ $$page -eq 0 ] && [ $$timed -eq 0 ]

# The tests that play in real windows (Xvfb), STRESS_RUNS full runs in a row beside two busy
# loops: they wait for signs that the game got somewhere, never for fixed times.
WINDOW_TESTS := WindowedGame|WindowControls|WindowFaults|WindowedRun|WindowDisplayTest|StartupFaults.MissingOrDamagedMusic
STRESS_RUNS ?= 5
test-windows-stress: build
	scripts/windows-stress.sh $(BUILD) $(STRESS_RUNS) '$(WINDOW_TESTS)'

# The page in headless Chromium and Firefox (puppeteer-core, pinned in tests/web/), both at
# once, then the timed tick-rate test alone (WEB_TESTS=together or timed runs one part); the
# native game gives the traces the page's are compared with.
# DUNSPELT_BROWSERS=chromium runs one.
test-web: web
	@cmake --build $(BUILD) --target dunspelt
	@scripts/cached-output.sh node-modules tests/web/node_modules tests/web/package-lock.json -- \
		sh -c 'cd tests/web && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error'
	scripts/web-tests.sh $(BUILD) $(WEB_TESTS)

# Rewrites the pinned screen pictures (tests/screens/golden/) after a change that was meant.
update-golden: build
	SDL_AUDIODRIVER=dummy DUNSPELT_UPDATE_GOLDEN=1 $(BUILD)/dunspelt_tests --gtest_filter='Flows/ScreenPictures.*'

bench: configure
	@cmake --build $(BUILD) --target dunspelt_bench
	$(BUILD)/dunspelt_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

deb: build
	@cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)

# Hardening: the whole test suite under ASan and UBSan, the long soak run, and the fuzzers.
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
SOAK_TICKS ?= 1000000

.PHONY: test-sanitize soak fuzz

test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_FLAGS) -DDUNSPELT_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/cmake/lsan.supp \
		ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j2

soak: configure
	@cmake --build $(BUILD) --target dunspelt dunspelt-soak
	$(BUILD)/dunspelt-soak --ticks $(SOAK_TICKS)

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DDUNSPELT_FUZZ=ON -DDUNSPELT_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzz_grid_cache fuzz_script fuzz_seeds
	@mkdir -p $(FUZZ_BUILD)/found_dat $(FUZZ_BUILD)/found_script
	$(FUZZ_BUILD)/fuzz_grid_cache -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		$(FUZZ_BUILD)/found_dat $(FUZZ_BUILD)/corpus_dat
	$(FUZZ_BUILD)/fuzz_script -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-dict=fuzz/script.dict $(FUZZ_BUILD)/found_script fuzz/corpus_script

# The game in a browser, written to $(BUILD)/web/. The libraries it links are built once per
# machine from Debian's sources into ~/.cache/dunspelt/web-deps/ (scripts/web-deps.sh); the
# native build bakes the data. Debian's emcc needs Debian's node modules where `node` is not
# Debian's own.
WEB_BUILD ?= $(BUILD)/web-build
WEB_OUT := $(BUILD)/web
WEB_PORT ?= 8024
VERSION := $(shell sed -n '/^project/s/.*VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
web: export NODE_PATH ?= /usr/share/nodejs

.PHONY: web serve-web web-zip

web: configure
	@scripts/web-deps.sh --link $(BUILD)/web-deps
	@cmake --build $(BUILD) --target web_data
	@[ -f $(WEB_BUILD)/build.ninja ] || scripts/web-configure.sh $(BUILD) $(WEB_BUILD) $(WEB_OUT)
	@cmake --build $(WEB_BUILD)

serve-web: web
	@echo "Serving $(WEB_OUT) at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops)"
	@python3 -m http.server --bind 127.0.0.1 --directory $(WEB_OUT) $(WEB_PORT)

# The page with the licences and a note on uploading it, for any static web host.
web-zip: web
	@scripts/web-zip.sh $(WEB_OUT) $(BUILD)/dunspelt-web-$(VERSION).zip
