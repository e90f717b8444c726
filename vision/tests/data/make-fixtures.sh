#!/usr/bin/env bash
# Makes the decoder test frames with libjpeg-turbo's cjpeg (package libjpeg-turbo-progs) from
# synthetic pictures. Run from anywhere; writes next to this script.
set -euo pipefail
cd "$(dirname "$0")"

# A picture with smooth gradients, hard edges and fine texture, width and height as given.
make_picture() {
  python3 - "$1" "$2" "$3" <<'PY'
import math, sys
w, h, path = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
pixels = bytearray()
for y in range(h):
    for x in range(w):
        r = int(255 * x / max(1, w - 1))
        g = int(128 + 100 * math.sin(x / 7.0) * math.cos(y / 9.0))
        b = int(255 * y / max(1, h - 1))
        if (w // 4) < x < (w // 2) and (h // 4) < y < (h // 2):
            r, g, b = 230, 40, 30          # a red block with hard edges
        if (x // 3 + y // 3) % 2 == 0 and x > 3 * w // 4:
            r, g, b = min(255, r + 40), g, max(0, b - 40)   # a fine checker
        pixels += bytes((r & 255, max(0, min(255, g)), b & 255))
with open(path, "wb") as f:
    f.write(b"P6\n%d %d\n255\n" % (w, h))
    f.write(pixels)
PY
}

make_picture 64 48 picture-64x48.ppm
make_picture 37 29 picture-37x29.ppm
make_picture 321 17 picture-321x17.ppm
make_picture 640 480 picture-640x480.ppm
make_picture 320 240 picture-320x240.ppm

cjpeg -quality 85 -sample 1x1 picture-64x48.ppm > baseline-444.jpg
cjpeg -quality 85 -sample 2x1 picture-64x48.ppm > baseline-422.jpg
cjpeg -quality 85 -sample 2x2 picture-64x48.ppm > baseline-420.jpg
cjpeg -quality 85 -grayscale picture-64x48.ppm > grey.jpg
cjpeg -quality 85 -sample 2x2 picture-37x29.ppm > odd-420.jpg
cjpeg -quality 85 -sample 2x1 picture-321x17.ppm > odd-422.jpg
cjpeg -quality 85 -sample 1x1 picture-37x29.ppm > odd-444.jpg
cjpeg -quality 85 -sample 2x2 -restart 1B picture-64x48.ppm > restart-1mcu.jpg
cjpeg -quality 85 -sample 2x1 -restart 1 picture-37x29.ppm > restart-1row.jpg
cjpeg -quality 85 -sample 2x2 -optimize picture-64x48.ppm > optimised.jpg
cjpeg -quality 85 -sample 2x2 -progressive picture-64x48.ppm > progressive-420.jpg
cjpeg -quality 85 -sample 1x1 -progressive picture-37x29.ppm > progressive-444.jpg
cjpeg -quality 85 -grayscale -progressive picture-37x29.ppm > progressive-grey.jpg
cjpeg -quality 10 -sample 2x2 picture-64x48.ppm > quality10.jpg
cjpeg -quality 75 -sample 2x2 picture-640x480.ppm > camera-640x480.jpg
cjpeg -quality 75 -sample 2x2 picture-320x240.ppm > camera-320x240.jpg
cjpeg -quality 85 -grayscale picture-320x240.ppm > camera-320x240-grey.jpg
# Progressive with one DC scan per component (not interleaved).
cat > separate-dc.scans <<'SCANS'
0: 0-0, 0, 0; 1: 0-0, 0, 0; 2: 0-0, 0, 0;
0: 1-63, 0, 0; 1: 1-63, 0, 0; 2: 1-63, 0, 0;
SCANS
cjpeg -quality 85 -sample 2x2 -scans separate-dc.scans picture-64x48.ppm > progressive-separate-dc.jpg
rm -f separate-dc.scans
cjpeg -quality 90 -arithmetic picture-64x48.ppm > arithmetic.jpg 2>/dev/null || true
rm -f picture-*.ppm
