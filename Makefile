# Deux commandes suffisent sur une Debian 12 neuve :
#   make run   installe, construit (Release) et lance calvane
#   make test  installe, construit et passe toute la suite de tests
# make test-asan passe les tests d'affichage et d'analyse sous AddressSanitizer et UBSan.

PRESET ?= release
JOBS ?= $(shell nproc)

.PHONY: run test test-asan build dependances bench fuzz clean

dependances:
	@scripts/installer-dependances.sh

build: dependances
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./build/$(PRESET)/app/calvane

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET) -j $(JOBS)

test-asan: dependances
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --preset asan -j $(JOBS)

# make fuzz construit la cible libFuzzer de l'analyse (préréglage fuzz, clang) et la lance
# FUZZ_SECONDES secondes ; les entrées trouvées s'ajoutent à build/fuzz/corpus.
FUZZ_SECONDES ?= 600

fuzz:
	CALVANE_FUZZ=1 scripts/installer-dependances.sh
	cmake --preset fuzz
	cmake --build --preset fuzz --target fuzz_analexpr -j $(JOBS)
	mkdir -p build/fuzz/corpus
	./build/fuzz/tests/analysis/fuzz/fuzz_analexpr -max_total_time=$(FUZZ_SECONDES) \
		-max_len=256 -timeout=10 -print_final_stats=1 \
		build/fuzz/corpus tests/analysis/fuzz/corpus

bench: build
	for b in build/$(PRESET)/bench/*/calvane-bench-*; do QT_QPA_PLATFORM=offscreen $$b; done

clean:
	rm -rf build
