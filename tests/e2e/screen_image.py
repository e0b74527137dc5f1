"""Screenshots as RGB pictures, with tolerant region checks and a PNG writer (standard library)."""

import struct
import zlib


class PictureError(AssertionError):
    pass


class Image:
    """An RGB picture (from a PPM screenshot) with tolerant region checks.

    Rects are (left, top, right, bottom), right and bottom exclusive, in the picture's
    coordinates. Checks never compare whole images with stored ones.
    """

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    @staticmethod
    def from_ppm(data):
        fields = []
        pos = 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos) + 1
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        if fields[0] != b"P6" or fields[3] != b"255":
            raise PictureError("screenshot is not an 8-bit PPM")
        width, height = int(fields[1]), int(fields[2])
        rgb = data[pos + 1:pos + 1 + width * height * 3]
        if len(rgb) != width * height * 3:
            raise PictureError("screenshot is truncated")
        return Image(width, height, rgb)

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def crop(self, rect):
        left, top, right, bottom = self._clip(rect)
        rows = [self.rgb[(y * self.width + left) * 3:(y * self.width + right) * 3] for y in range(top, bottom)]
        return Image(right - left, bottom - top, b"".join(rows))

    def _clip(self, rect):
        left, top, right, bottom = rect
        return (max(0, left), max(0, top), min(self.width, right), min(self.height, bottom))

    def pixels(self, rect=None, step=1):
        left, top, right, bottom = self._clip(rect or (0, 0, self.width, self.height))
        for y in range(top, bottom, step):
            row = self.rgb[(y * self.width + left) * 3:(y * self.width + right) * 3]
            for i in range(0, len(row), 3 * step):
                yield row[i], row[i + 1], row[i + 2]

    def colours(self, rect=None, step=1, quantum=16):
        """Distinct colours in the rect, each channel rounded down to `quantum`."""
        return {(r // quantum, g // quantum, b // quantum) for r, g, b in self.pixels(rect, step)}

    def is_uniform(self, rect=None, tolerance=12):
        """True when every pixel lies within `tolerance` of the rect's first pixel."""
        first = None
        for p in self.pixels(rect):
            if first is None:
                first = p
            elif max(abs(a - b) for a, b in zip(p, first)) > tolerance:
                return False
        return True

    def count_near(self, colour, rect=None, tolerance=40):
        return sum(1 for p in self.pixels(rect) if max(abs(a - b) for a, b in zip(p, colour)) <= tolerance)

    def mean(self, rect=None):
        total, n = [0, 0, 0], 0
        for p in self.pixels(rect):
            for i in range(3):
                total[i] += p[i]
            n += 1
        return tuple(t / max(n, 1) for t in total)

    def is_near(self, x, y, colour, tolerance=40):
        return max(abs(a - b) for a, b in zip(self.pixel(x, y), colour)) <= tolerance

    def difference(self, other, rect=None, tolerance=24, step=3):
        """The share of pixels in the rect (every `step`th row and column) that differ by more
        than `tolerance`."""
        if (self.width, self.height) != (other.width, other.height):
            raise PictureError("pictures differ in size")
        pairs = zip(self.pixels(rect, step), other.pixels(rect, step))
        n = changed = 0
        for a, b in pairs:
            n += 1
            if max(abs(x - y) for x, y in zip(a, b)) > tolerance:
                changed += 1
        return changed / max(n, 1)

    def save_png(self, path):
        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
        stride = self.width * 3
        raw = b"".join(b"\x00" + self.rgb[y * stride:(y + 1) * stride] for y in range(self.height))
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 6))
                    + chunk(b"IEND", b""))
