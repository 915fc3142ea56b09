#!/usr/bin/env python3
"""check_layers_test.py -- the layer check passes the real tree and names every planted fault."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
SCRIPT = ROOT / "tools" / "check_layers.py"


def run_check(src):
    done = subprocess.run([sys.executable, str(SCRIPT), str(src)], capture_output=True, text=True)
    return done.returncode, done.stdout


def write_tree(base, files):
    for name, includes in files.items():
        path = base / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text("".join(f'#include "{i}"\n' for i in includes))


class CheckLayers(unittest.TestCase):
    def test_the_source_tree_passes(self):
        status, out = run_check(ROOT / "src")
        self.assertEqual(status, 0, out)
        self.assertIn("no upward include, no loop", out)

    def test_an_include_from_a_higher_folder_fails_and_is_named(self):
        with tempfile.TemporaryDirectory() as tmp:
            src = pathlib.Path(tmp)
            write_tree(src, {"engine/clock.h": [], "engine/clock.cpp": ["engine/clock.h", "world/kinds.h"],
                             "engine/random.h": [], "engine/random.cpp": ["engine/random.h"],
                             "world/kinds.h": [], "world/kinds.cpp": ["world/kinds.h", "engine/random.h"]})
            status, out = run_check(src)
            self.assertEqual(status, 1, out)
            self.assertIn("engine/clock.cpp:2: includes world/kinds.h -- 'world' stands above 'engine'", out)
            self.assertNotIn("world/kinds.cpp", out, "a downward include is allowed")
            self.assertNotIn("include loop", out)

    def test_a_loop_of_includes_fails_and_each_include_in_it_is_named(self):
        with tempfile.TemporaryDirectory() as tmp:
            src = pathlib.Path(tmp)
            write_tree(src, {"world/a.h": [], "world/a.cpp": ["world/a.h", "world/b.h"],
                             "world/b.h": [], "world/b.cpp": ["world/b.h", "world/c.h"],
                             "world/c.h": [], "world/c.cpp": ["world/c.h", "world/a.h"]})
            status, out = run_check(src)
            self.assertEqual(status, 1, out)
            self.assertIn("include loop: world/a -> world/b -> world/c -> world/a", out)
            for line in ("world/a.cpp:2: includes world/b.h", "world/b.cpp:2: includes world/c.h",
                         "world/c.cpp:2: includes world/a.h"):
                self.assertIn(line, out)

    def test_a_folder_outside_the_order_fails(self):
        with tempfile.TemporaryDirectory() as tmp:
            src = pathlib.Path(tmp)
            write_tree(src, {"misc/x.h": [], "misc/x.cpp": ["misc/x.h"]})
            status, out = run_check(src)
            self.assertEqual(status, 1, out)
            self.assertIn("folder 'misc' is not in the layer order", out)


if __name__ == "__main__":
    unittest.main()
