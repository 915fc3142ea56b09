#!/usr/bin/env python3
"""build_assets_test.py -- the asset build makes each picture at its size and at twice it."""
import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "tools" / "build_assets.py"


def png_size(path):
    return struct.unpack(">II", path.read_bytes()[16:24])


class BuildAssets(unittest.TestCase):
    # The wisp, a tool sheet and the window icon, into a folder named relative to where
    # the build is started.
    def test_pictures_get_a_twin_at_twice_their_size_and_the_icon_none(self):
        with tempfile.TemporaryDirectory() as tmp:
            done = subprocess.run([sys.executable, str(SCRIPT), "--out", "made", "--only", "2Y,1E,30"],
                                  cwd=tmp, capture_output=True, text=True)
            self.assertEqual(done.returncode, 0, done.stderr)
            made = pathlib.Path(tmp) / "made"
            self.assertEqual(png_size(made / "2Y.dk5"), (60, 60))
            self.assertEqual(png_size(made / "2x" / "2Y.dk5"), (120, 120))
            self.assertEqual(png_size(made / "2x" / "1E.dk5"), (600, 600))
            self.assertEqual(png_size(made / "30.dk5"), (32, 32))
            self.assertFalse((made / "2x" / "30.dk5").exists())


if __name__ == "__main__":
    unittest.main()
