// CJPEGDecoder: marker search, the marker loop and the segment readers. Every segment's body
// must lie inside the data before it is read, so no reader runs past the end.
#include "CJPEGDecoder.h"

#include <cstring>

namespace {

constexpr int headerMode = 0;
constexpr int decodeMode = 1;

bool isSkippedMarker(int code)
{
    return (code >= 0x01 && code <= 0xBF) || code == 0xC8 || code == 0xCC || code == 0xDC || code == 0xDE
        || code == 0xDF || (code >= 0xE1 && code <= 0xED) || code == 0xEF || (code >= 0xF0 && code <= 0xFD);
}

bool isUnsupportedFrame(int code)
{
    switch (code) {
    case 0xC5:
    case 0xC6:
    case 0xC7:
    case 0xC9:
    case 0xCA:
    case 0xCB:
    case 0xCD:
    case 0xCE:
    case 0xCF: return true;
    default: return false;
    }
}

} // namespace

int CJPEGDecoder::NextMarker(std::int32_t& code)
{
    std::int32_t byte = 0;
    for (;;) {
        do {
            if (source.ReadByte(byte) != 0)
                return -3;
        } while (byte != 0xFF);
        do {
            if (source.ReadByte(byte) != 0)
                return -3;
        } while (byte == 0xFF);
        if (byte != 0) {
            code = byte;
            return 0;
        }
    }
}

int CJPEGDecoder::ScanMarkers(int mode)
{
    marker = 0;
    for (;;) {
        if (marker == 0) {
            if (const int found = NextMarker(marker); found != 0)
                return found;
        }
        const int code = marker;
        marker = 0;
        if (code == 0xD9)
            return 0;
        const int result = DispatchMarker(mode, code);
        if (result != 0)
            return result == 1 ? 0 : result;
    }
}

// Handles the marker just found; 1 ends the loop successfully (the header read reached a scan).
int CJPEGDecoder::DispatchMarker(int mode, int code)
{
    if (isSkippedMarker(code))
        return SkipSegment();
    if (isUnsupportedFrame(code))
        return -1;
    switch (code) {
    case 0xC0:
    case 0xC1: return ReadFrameSegment(0, mode);
    case 0xC2: return ReadFrameSegment(1, mode);
    case 0xC3: return ReadFrameSegment(2, mode);
    case 0xC4: return ReadHuffmanTables();
    case 0xD8: StartOfImage(); return 0;
    case 0xDA: {
        if (const int read = ReadScanHeader(); read != 0)
            return read;
        if (mode == headerMode) {
            source.position -= 2 + scanHeaderLength;
            return 1;
        }
        return DecodeScan();
    }
    case 0xDB: return ReadQuantTables();
    case 0xDD: return ReadRestartInterval();
    case 0xE0: return ReadJfifSegment();
    case 0xEE: return ReadAdobeSegment();
    case 0xFE: return ReadComment();
    default: return 0; // RST0..RST7 between segments: consumed
    }
}

// Settings of one image that must not leak into the next one; tables are kept.
void CJPEGDecoder::StartOfImage()
{
    restartInterval = 0;
    jfif = jfxx = adobe = 0;
}

int CJPEGDecoder::SegmentLength(std::int32_t& remaining)
{
    std::int32_t length = 0;
    if (source.ReadWord(length) != 0)
        return -3;
    if (length < 2)
        return -5;
    if (length - 2 > source.remaining())
        return -3;
    remaining = length - 2;
    return 0;
}

int CJPEGDecoder::SkipSegment()
{
    std::int32_t remaining = 0;
    if (const int status = SegmentLength(remaining); status != 0)
        return status;
    source.position += remaining;
    return 0;
}

bool CJPEGDecoder::MatchesIdentifier(const char* identifier, std::int32_t remaining) const
{
    const std::int32_t size = static_cast<std::int32_t>(std::strlen(identifier)) + 1;
    return remaining >= size
        && std::memcmp(source.data + source.position, identifier, static_cast<std::size_t>(size)) == 0;
}

int CJPEGDecoder::ReadJfifSegment()
{
    std::int32_t r = 0;
    if (const int status = SegmentLength(r); status != 0)
        return status;
    if (r >= 14 && MatchesIdentifier("JFIF", r)) {
        source.position += 5;
        r -= 5;
        jfif = 1;
        source.ReadByte(jfifMajor);
        source.ReadByte(jfifMinor);
        source.ReadByte(densityUnits);
        source.ReadWord(xDensity);
        source.ReadWord(yDensity);
        source.ReadByte(thumbnailWidth);
        source.ReadByte(thumbnailHeight);
        r -= 9;
    }
    if (r >= 6 && MatchesIdentifier("JFXX", r)) {
        source.position += 5;
        r -= 5;
        jfxx = 1;
        source.ReadByte(jfxxCode);
        r -= 1;
    }
    source.position += r;
    return 0;
}

int CJPEGDecoder::ReadAdobeSegment()
{
    std::int32_t r = 0;
    if (const int status = SegmentLength(r); status != 0)
        return status;
    // "Adobe" is followed by its version, not by a zero byte: compare five bytes.
    if (r >= 12 && std::memcmp(source.data + source.position, "Adobe", 5) == 0) {
        source.position += 5;
        r -= 5;
        adobe = 1;
        source.ReadWord(adobeVersion);
        source.ReadWord(adobeFlags0);
        source.ReadWord(adobeFlags1);
        source.ReadByte(adobeTransform);
        r -= 7;
    }
    source.position += r;
    return 0;
}

int CJPEGDecoder::ReadComment()
{
    std::int32_t r = 0;
    if (const int status = SegmentLength(r); status != 0)
        return status;
    commentLength = r;
    commentFlag = 1;
    delete[] comment;
    comment = new char[static_cast<std::size_t>(r) + 1];
    std::memcpy(comment, source.data + source.position, static_cast<std::size_t>(r));
    comment[r] = 0;
    source.position += r;
    return 0;
}

int CJPEGDecoder::ReadQuantTables()
{
    std::int32_t r = 0;
    if (const int status = SegmentLength(r); status != 0)
        return status;
    while (r > 0) {
        std::int32_t pqTq = 0;
        source.ReadByte(pqTq);
        r -= 1;
        const int pq = pqTq >> 4;
        const int tq = pqTq & 15;
        if (pq > 1)
            return -5;
        if (tq > 3)
            return -7;
        const int valueBytes = pq ? 2 : 1;
        if (r < 64 * valueBytes)
            return -5;
        std::uint16_t values[64];
        for (std::uint16_t& value : values) {
            std::int32_t v = 0;
            if (pq)
                source.ReadWord(v);
            else
                source.ReadByte(v);
            value = static_cast<std::uint16_t>(v);
        }
        r -= 64 * valueBytes;
        if (const int status = quantTables[tq].Init(pqTq, values); status != 0)
            return status;
    }
    return 0;
}

int CJPEGDecoder::ReadHuffmanTables()
{
    std::int32_t r = 0;
    if (const int status = SegmentLength(r); status != 0)
        return status;
    while (r > 16) {
        std::int32_t tcTh = 0;
        source.ReadByte(tcTh);
        std::uint8_t counts[16];
        int n = 0;
        for (std::uint8_t& count : counts) {
            std::int32_t v = 0;
            source.ReadByte(v);
            count = static_cast<std::uint8_t>(v);
            n += v;
        }
        r -= 17;
        if (n > 256 || n > r)
            return -6;
        if ((tcTh & 15) > 3)
            return -5;
        std::uint8_t symbols[256] = {};
        std::memcpy(symbols, source.data + source.position, static_cast<std::size_t>(n));
        source.position += n;
        r -= n;
        CJPEGDecoderHuffmanTable& table = (tcTh >> 4) ? acTables[tcTh & 15] : dcTables[tcTh & 15];
        if (table.needsBuffer() && table.Create() != 0)
            return -2;
        if (table.Init(tcTh & 15, tcTh >> 4, counts, symbols, n) != 0)
            return -2;
    }
    if (r != 0)
        return -5;
    return 0;
}

int CJPEGDecoder::ReadFrameSegment(int frameProcess, int mode)
{
    // The frame's buffers are laid out already: another frame header cannot be honoured.
    if (mode == decodeMode)
        return -1;
    std::int32_t r = 0;
    if (const int status = SegmentLength(r); status != 0)
        return status;
    if (r < 6)
        return -5;
    frameSeen = false;
    std::int32_t framePrecision = 0;
    std::int32_t count = 0;
    source.ReadByte(framePrecision);
    source.ReadWord(height);
    source.ReadWord(width);
    source.ReadByte(count);
    if (frameProcess == 2) {
        if (framePrecision < 2 || framePrecision > 16)
            return -9;
        if (count != 1)
            return -1;
    } else {
        if (framePrecision != 8)
            return -1;
        if (count > 4)
            return -9;
        if (count == 0 || count == 2)
            return -1;
    }
    if (width == 0 || height == 0 || width > maximumSide || height > maximumSide)
        return -9;
    if (r - 6 != 3 * count)
        return -5;
    precision = framePrecision;
    if (const int status = ReadFrameComponents(count, frameProcess); status != 0)
        return status;
    process = frameProcess;
    dcComplete = 0;
    progressiveScansDecoded = false;
    frameSeen = true;
    return 0;
}

int CJPEGDecoder::ReadFrameComponents(std::int32_t count, int frameProcess)
{
    (void)frameProcess;
    for (CJPEGColorComponent*& c : component) {
        delete c;
        c = nullptr;
    }
    components = 0;
    for (int i = 0; i < count; ++i) {
        auto* c = new CJPEGColorComponent;
        component[i] = c;
        std::int32_t sampling = 0;
        source.ReadByte(c->id);
        source.ReadByte(sampling);
        source.ReadByte(c->quantTable);
        c->h = sampling >> 4;
        c->v = sampling & 15;
        c->index = i;
        if (c->h < 1 || c->v < 1)
            return -9;
        if (c->quantTable > 3)
            return -5;
    }
    components = count;
    if (const int status = ClassifySampling(); status != 0)
        return status;
    for (int i = 0; i < components; ++i) {
        const bool chroma = i == 1 || i == 2;
        component[i]->hFactor = samplingMode != 0 && chroma ? 2 : 1;
        component[i]->vFactor = samplingMode == 2 && chroma ? 2 : 1;
    }
    return 0;
}

int CJPEGDecoder::ClassifySampling()
{
    const auto is = [this](int i, int h, int v) { return component[i]->h == h && component[i]->v == v; };
    if (components == 1) {
        if (!is(0, 1, 1))
            return -11;
        samplingMode = 0;
        return 0;
    }
    if (components != 3 && components != 4)
        return 0;
    bool allOne = true;
    for (int i = 0; i < components; ++i)
        allOne = allOne && is(i, 1, 1);
    const bool chromaOne = is(1, 1, 1) && is(2, 1, 1);
    const bool fourth = components == 4;
    if (allOne)
        samplingMode = 0;
    else if (component[0]->h != 2)
        samplingMode = 3;
    else if (chromaOne && is(0, 2, 1) && (!fourth || is(3, 2, 1)))
        samplingMode = 1;
    else if (chromaOne && is(0, 2, 2) && (!fourth || is(3, 2, 2)))
        samplingMode = 2;
    else
        samplingMode = 3;
    return 0;
}

int CJPEGDecoder::ReadRestartInterval()
{
    std::int32_t r = 0;
    if (const int status = SegmentLength(r); status != 0)
        return status;
    if (r != 2)
        return -5;
    source.ReadWord(restartInterval);
    restartsToGo = restartInterval;
    return 0;
}

int CJPEGDecoder::ReadScanHeader()
{
    std::int32_t r = 0;
    if (const int status = SegmentLength(r); status != 0)
        return status;
    scanHeaderLength = r + 2;
    std::int32_t count = 0;
    source.ReadByte(count);
    if (count < 1 || count > 4)
        return -8;
    if (process != 1 && count < components)
        return -1;
    if (r != 2 * count + 4)
        return -5;
    scanCount = 0;
    for (int n = 0; n < count; ++n) {
        std::int32_t id = 0;
        std::int32_t tables = 0;
        source.ReadByte(id);
        source.ReadByte(tables);
        int found = -1;
        for (int i = 0; i < components && found < 0; ++i) {
            if (component[i]->id == id)
                found = i;
        }
        if (found < 0)
            return -10;
        if ((tables >> 4) > 3 || (tables & 15) > 3)
            return -5;
        scanComponent = found;
        scanComponents[scanCount++] = found;
        component[found]->dcTable = tables >> 4;
        component[found]->acTable = tables & 15;
    }
    std::int32_t approximation = 0;
    source.ReadByte(Ss);
    source.ReadByte(Se);
    source.ReadByte(approximation);
    Ah = approximation >> 4;
    Al = approximation & 15;
    SetColourCode();
    restartsToGo = restartInterval;
    return 0;
}

void CJPEGDecoder::SetColourCode()
{
    const auto byCount = [this]() { return components == 1 ? 1 : (components == 3 ? 4 : 0); };
    colourCode = byCount();
    if (!adobe)
        return;
    switch (adobeTransform) {
    case 0: colourCode = components == 1 ? 1 : (components == 3 ? 2 : (components == 4 ? 5 : 0)); break;
    case 1: colourCode = 4; break;
    case 2: colourCode = 6; break;
    default: colourCode = 0; break;
    }
}
