"""The picture, sound and text generators, and the sources they are run on."""
import glob
import os
import struct
import sys
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools"))

import pixelart  # noqa: E402
import textres  # noqa: E402
import wavesynth  # noqa: E402

PALETTE = "colour . 000000 ground\ncolour r ff0000 red\ncolour w ffffff white\n"


def bmp_fields(data):
    """File size, pixel offset, width, height, bits per pixel."""
    size, offset = struct.unpack_from("<2xI4xI", data)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    return size, offset, width, height, bits


class PixelArtTest(unittest.TestCase):
    def test_rows_become_palette_indices(self):
        [p] = pixelart.parse(PALETTE + "bitmap 5 dot\n.r.\nw..\n")
        self.assertEqual((5, "dot", 3, 2), (p.resource, p.name, p.width, p.height))
        self.assertEqual([[0, 1, 0], [2, 0, 0]], p.rows)
        self.assertEqual((255, 0, 0), p.colour(1, 0))

    def test_mistakes_are_reported_with_their_line(self):
        cases = {
            "bitmap 1 a\n..\n...\n": "row of 3 pixels, expected 2",
            "bitmap 1 a\n.x\n": "unknown colour 'x'",
            "bitmap 1 a = nothing\n": "unknown picture 'nothing'",
            "bitmap 1 a\n.\n\nbitmap 2 a\n.\n": "defined twice",
            "colour r 00ff00 again\n": "expected: colour",
            "colour q 12345 short\n": "bad colour",
            "depth 8\n": "depth must come first",
            "bitmap 1 a\n\n": "has no rows",
        }
        for text, message in cases.items():
            with self.assertRaises(pixelart.ArtError) as caught:
                pixelart.parse(PALETTE + text, "x.txt")
            self.assertIn(message, str(caught.exception))
            self.assertIn("x.txt:", str(caught.exception))

    def test_sixteen_colours_at_most_unless_eight_bits(self):
        many = "".join("colour %s %06x c\n" % (chr(65 + i), i) for i in range(17))
        with self.assertRaises(pixelart.ArtError):
            pixelart.parse(many)
        self.assertEqual([], pixelart.parse("depth 8\n" + many))

    def test_four_bit_rows_pack_two_pixels_a_byte_bottom_up_padded(self):
        [p] = pixelart.parse(PALETTE + "bitmap 1 a\nr.w\n.r.\n")
        data = pixelart.bmp_bytes(p)
        size, offset, width, height, bits = bmp_fields(data)
        self.assertEqual((3, 2, 4), (width, height, bits))
        self.assertEqual(14 + 40 + 16 * 4, offset)
        self.assertEqual(len(data), size)
        self.assertEqual(bytes([0x01, 0x00, 0, 0, 0x10, 0x20, 0, 0]), data[offset:])
        self.assertEqual(bytes([0, 0, 255, 0]), data[14 + 40 + 4:14 + 40 + 8])  # red as B, G, R

    def test_eight_bit_pictures_carry_256_colours(self):
        [p] = pixelart.parse("depth 8\n" + PALETTE + "bitmap 1 a\nrw\n")
        data = pixelart.bmp_bytes(p)
        size, offset, width, height, bits = bmp_fields(data)
        self.assertEqual((8, 14 + 40 + 256 * 4), (bits, offset))
        self.assertEqual(bytes([1, 2, 0, 0]), data[offset:])

    def test_side_by_side_and_grey(self):
        text = PALETTE + "picture a\nr\n.\n\npicture b\nw\nr\n\nbitmap 1 s = a b\nbitmap 2 g = grey s\n"
        s, g = [p for p in pixelart.parse(text) if p.resource]
        self.assertEqual([[1, 2], [0, 1]], s.rows)
        self.assertEqual(s.rows, g.rows)
        self.assertEqual([(0, 0, 0), (76, 76, 76), (255, 255, 255)], g.palette)

    def test_ground_is_kept_by_grey(self):
        text = "colour . 00ff00 key\ncolour r ff0000 red\nbitmap 1 s\n.r\n\nbitmap 2 g = grey s\n"
        g = pixelart.parse(text)[1]
        self.assertEqual((0, 255, 0), g.colour(0, 0))

    def test_a_bitmap_id_drawn_twice_is_refused(self):
        with tempfile.TemporaryDirectory() as folder:
            paths = []
            for name in ("one.txt", "two.txt"):
                paths.append(os.path.join(folder, name))
                with open(paths[-1], "w") as f:
                    f.write(PALETTE + "bitmap 7 %s\n.\n" % name[:3])
            with self.assertRaises(pixelart.ArtError):
                pixelart.load(paths)

    def test_the_game_art_converts(self):
        art = sorted(glob.glob(os.path.join(ROOT, "resources", "art", "*.txt")))
        with tempfile.TemporaryDirectory() as out:
            pixelart.main(["--out", out, "--rc", "Images.rc"] + art)
            with open(os.path.join(out, "Images.rc")) as f:
                lines = [line.split() for line in f if "BITMAP" in line]
            self.assertEqual(40, len(lines))
            for resource, _, name in lines:
                with open(os.path.join(out, name.strip('"')), "rb") as f:
                    self.assertEqual(b"BM", f.read(2))


class WaveSynthTest(unittest.TestCase):
    def test_note_names(self):
        self.assertAlmostEqual(440.0, wavesynth.note_frequency("A4"))
        self.assertAlmostEqual(261.626, wavesynth.note_frequency("C4"), places=3)
        self.assertAlmostEqual(233.082, wavesynth.note_frequency("Bb3"), places=3)
        self.assertAlmostEqual(739.989, wavesynth.note_frequency("F#5"), places=3)
        self.assertEqual(123.5, wavesynth.note_frequency("123.5"))
        for bad in ("H4", "C", "C#x", ""):
            with self.assertRaises(wavesynth.SoundError):
                wavesynth.note_frequency(bad)

    def test_wave_header(self):
        data = wavesynth.wav_bytes(bytes([128, 200, 56]))
        self.assertEqual(b"RIFF", data[:4])
        self.assertEqual(len(data) - 8, struct.unpack_from("<I", data, 4)[0])
        self.assertEqual(b"WAVEfmt ", data[8:16])
        self.assertEqual((16, 1, 1, 22050, 22050, 1, 8), struct.unpack_from("<IHHIIHH", data, 16))
        self.assertEqual(b"data", data[36:40])
        self.assertEqual(3, struct.unpack_from("<I", data, 40)[0])
        self.assertEqual(bytes([128, 200, 56, 128]), data[44:])  # padded to an even size

    def test_mix_is_scaled_to_its_level_and_length(self):
        sound = wavesynth.parse("wave 9 t\nlevel 0.5\nlength 0.2\n"
                                "tone len=0.1 freq=A4 vol=3\ntone at=0.05 len=0.1 freq=E5 vol=3\n")
        samples = sound.samples()
        self.assertEqual(round(0.2 * 22050), len(samples))
        self.assertEqual(64, max(abs(s - 128) for s in samples))
        self.assertEqual({128}, set(samples[round(0.15 * 22050):]))

    def test_envelope_starts_and_ends_silent(self):
        samples = wavesynth.parse("wave 9 t\ntone len=0.1 freq=300 shape=square\n").samples()
        self.assertEqual(128, samples[0])
        self.assertLessEqual(abs(samples[-1] - 128), 1)

    def test_noise_is_the_same_every_run(self):
        text = "wave 9 n\nnoise len=0.05 cutoff=500\n"
        self.assertEqual(wavesynth.parse(text).samples(), wavesynth.parse(text).samples())

    def test_melody_steps_by_beats_and_rests(self):
        sound = wavesynth.parse("wave 9 m\nmelody at=1 beat=0.5 vol=0.3 : C4 -:2 E4:3\n")
        self.assertEqual([(1.0, 0.5), (2.5, 1.5)], [(p.at, p.len) for p in sound.parts])
        self.assertAlmostEqual(329.628, sound.parts[1].freq, places=3)
        self.assertEqual(0.3, sound.parts[1].vol)

    def test_mistakes_are_reported_with_their_line(self):
        cases = {
            "wave 9 a\ntone len=1\n": "needs freq",
            "wave 9 a\ntone freq=A4\n": "needs len",
            "wave 9 a\ntone len=1 freq=A4 shape=bell\n": "unknown shape",
            "wave 9 a\ntone len=1 freq=A4 loud=3\n": "unknown setting",
            "wave 9 a\nmelody beat=1 C4\n": "needs ' : '",
            "tone len=1 freq=A4\n": "must start with",
            "wave 9 a\nlevel 2\ntone len=1 freq=A4\n": "level must be",
        }
        for text, message in cases.items():
            with self.assertRaises(wavesynth.SoundError) as caught:
                wavesynth.parse(text, "s.txt")
            self.assertIn(message, str(caught.exception))
            self.assertIn("s.txt", str(caught.exception))

    def test_the_game_sounds_parse(self):
        paths = sorted(glob.glob(os.path.join(ROOT, "resources", "sounds", "*.txt")))
        sounds = []
        for path in paths:
            with open(path) as f:
                sounds.append(wavesynth.parse(f.read(), path))
        self.assertEqual([196, 200, 201, 202, 203, 206, 207, 238],
                         sorted(s.resource for s in sounds))
        for sound in sounds:
            self.assertIsNotNone(sound.length)
            self.assertGreaterEqual(sound.length, max(p.end for p in sound.parts) - 0.01)


class TextResTest(unittest.TestCase):
    def test_every_line_ends_in_one_cr_lf(self):
        self.assertEqual(b"a\r\n\r\n b\r\nc \r\n", textres.crlf_bytes(b"a\n\n b\r\nc "))
        self.assertEqual(b"x\r\n", textres.crlf_bytes(b"x\r\n"))
        self.assertEqual(b"", textres.crlf_bytes(b""))

    def test_utf8_becomes_windows_1252(self):
        text = "\u00e9t\u00e9 \u00e0 \u00c7a \u0153uvre \u20ac \u2019\n"
        self.assertEqual(b"\xe9t\xe9 \xe0 \xc7a \x9cuvre \x80 \x92\r\n",
                         textres.crlf_bytes(text.encode("utf-8")))

    def test_what_windows_1252_cannot_show_is_refused_with_its_line(self):
        bad_characters = [b"\t", b"\r", b"\x7f", b"\xe9",  # a Windows-1252 byte, not UTF-8
                          "\u0081".encode("utf-8"), "\u0100".encode("utf-8"),
                          "\u2192".encode("utf-8"), "\U0001F600".encode("utf-8")]
        for bad in bad_characters:
            with self.assertRaises(textres.TextError) as caught:
                textres.crlf_bytes(b"fine\nfi" + bad + b"ne\n", "x.txt")
            self.assertIn("x.txt:2:", str(caught.exception))

    def test_files_and_rc_lines(self):
        with tempfile.TemporaryDirectory() as folder:
            paths = []
            for name, text in (("one.txt", b"1\n"), ("two.txt", b"2\r\n2")):
                paths.append(os.path.join(folder, name))
                with open(paths[-1], "wb") as f:
                    f.write(text)
            out = os.path.join(folder, "out")
            textres.main(["--out", out, "--rc", "T.rc", "300:" + paths[0], "7:" + paths[1]])
            with open(os.path.join(out, "T.rc")) as f:
                lines = [line for line in f if not line.startswith("/*")]
            self.assertEqual(['300 23 "one.txt"\n', '7 23 "two.txt"\n'], lines)
            with open(os.path.join(out, "two.txt"), "rb") as f:
                self.assertEqual(b"2\r\n2\r\n", f.read())
            with open(paths[0], "ab") as f:
                f.write(b"\xff\n")
            with self.assertRaises(SystemExit) as caught:
                textres.main(["--out", out, "--rc", "T.rc", "300:" + paths[0]])
            self.assertIn("one.txt:2:", str(caught.exception.code))
            for clash in (["1:" + paths[0], "1:" + paths[1]], ["1:" + paths[0], "2:" + paths[0]]):
                with self.assertRaises(SystemExit):
                    textres.main(["--out", out, "--rc", "T.rc"] + clash)

    def test_help_lines_fit_the_help_box(self):
        # Its edit shows some 66 characters of the fixed-pitch font without
        # scrolling sideways (75 under Wine), scroll bar and margins aside.
        for name in ("help-en.txt", "help-fr.txt"):
            with open(os.path.join(ROOT, "resources", "help", name), "rb") as f:
                lines = textres.crlf_bytes(f.read(), name).split(b"\r\n")
            self.assertLessEqual(max(len(line) for line in lines), 64, name)


if __name__ == "__main__":
    unittest.main()
