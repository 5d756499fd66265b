# make run   - install what is missing, build the Windows program and start it (under Wine);
#              make run FIXTURE=FILE.json shows that fixture machine instead of Wine's own.
# make test  - install what is missing, build both trees and run every test, native and under Wine.
# make bench - build and run the benchmarks (native, release build).
# make fuzz  - build the libFuzzer targets of the parsers and run each for 60 s.
# make dist  - build and check every release artifact into dist/ (docs/RELEASING.md).
.PHONY: run test bench fuzz dist bootstrap

bootstrap:
	@scripts/bootstrap

run: bootstrap
	@scripts/run $(if $(FIXTURE),--fixture "$(FIXTURE)")

test: bootstrap
	@scripts/test

bench: bootstrap
	@scripts/bench

fuzz: bootstrap
	@scripts/fuzz 60

dist:
	@scripts/bootstrap --dist
	@scripts/dist
