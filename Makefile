# Zielmark: every command installs what is missing, configures and builds first.
.PHONY: test run fuzz bench dist clean setup

test:
	bash scripts/test.sh

run:
	bash scripts/run.sh

fuzz:
	bash scripts/fuzz.sh

bench:
	bash scripts/bench.sh

dist:
	bash scripts/dist.sh

setup:
	bash scripts/setup.sh

clean:
	rm -rf build
