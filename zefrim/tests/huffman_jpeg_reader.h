// Test-only JPEG plumbing for the Huffman tests: files written in memory by the reference
// library, its coefficients, a small marker reader that finds tables and scans, and drivers
// that decode, encode and count every scan of a file with one build of the Huffman functions.
#pragma once

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "huffman_test_support.h"
#include "libjpeg_reference.h"

namespace huffman_test {

// ---- Reference library ----------------------------------------------------------------------

struct JpegWriteOptions : libjpegref::WriteOptions {
    unsigned seed = 1;
};

inline std::vector<uint8_t> testPicture(const JpegWriteOptions& o)
{
    std::mt19937 random(o.seed);
    std::uniform_int_distribution<int> noise(-40, 40);
    std::vector<uint8_t> pixels(static_cast<size_t>(o.width) * o.height * o.components);
    for (int y = 0; y < o.height; ++y)
        for (int x = 0; x < o.width; ++x)
            for (int c = 0; c < o.components; ++c) {
                const int smooth = (x * (3 + c) + y * (5 - c)) % 256;
                const int edge = ((x / 9 + y / 7) % 2) * 90;
                const int v = smooth / 2 + edge + noise(random);
                pixels[(static_cast<size_t>(y) * o.width + x) * o.components + c] =
                    static_cast<uint8_t>(std::clamp(v, 0, 255));
            }
    return pixels;
}

inline std::vector<uint8_t> writeJpeg(const JpegWriteOptions& o)
{
    return libjpegref::compress(testPicture(o), o);
}

using libjpegref::ComponentCoefficients;

// ---- Marker reader --------------------------------------------------------------------------

struct FrameComponent {
    int id = 0;
    int h = 1;
    int v = 1;
    int blocksWide = 0; // padded to whole MCUs
    int blocksHigh = 0;
    int widthInBlocks = 0;
    int heightInBlocks = 0;
};

struct Scan {
    std::vector<int> components; // frame component indices
    std::vector<int> dcTable;
    std::vector<int> acTable;
    int ss = 0, se = 63, ah = 0, al = 0;
    TableDefinition dcTables[4];
    TableDefinition acTables[4];
    size_t dataStart = 0; // entropy-coded data, restart markers included
    size_t dataEnd = 0;
};

struct ParsedJpeg {
    bool progressive = false;
    int width = 0, height = 0;
    int mcusX = 0, mcusY = 0;
    int restartInterval = 0;
    std::vector<FrameComponent> components;
    std::vector<Scan> scans;
};

inline int readWord(const std::vector<uint8_t>& d, size_t at)
{
    return (d[at] << 8) | d[at + 1];
}

inline void readHuffmanTables(const std::vector<uint8_t>& d, size_t at, size_t end, TableDefinition* dc,
                              TableDefinition* ac)
{
    while (at + 17 <= end) {
        const int tcth = d[at++];
        TableDefinition table;
        int total = 0;
        for (int i = 0; i < 16; ++i) {
            table.bits[static_cast<size_t>(i)] = d[at++];
            total += table.bits[static_cast<size_t>(i)];
        }
        table.values.assign(d.begin() + static_cast<long>(at), d.begin() + static_cast<long>(at) + total);
        at += static_cast<size_t>(total);
        ((tcth >> 4) ? ac : dc)[tcth & 3] = table;
    }
}

inline void readFrame(const std::vector<uint8_t>& d, size_t at, ParsedJpeg& jpeg)
{
    jpeg.height = readWord(d, at + 1);
    jpeg.width = readWord(d, at + 3);
    const int count = d[at + 5];
    int hMax = 1, vMax = 1;
    for (int i = 0; i < count; ++i) {
        FrameComponent c;
        c.id = d[at + 6 + 3 * i];
        c.h = d[at + 7 + 3 * i] >> 4;
        c.v = d[at + 7 + 3 * i] & 15;
        hMax = std::max(hMax, c.h);
        vMax = std::max(vMax, c.v);
        jpeg.components.push_back(c);
    }
    jpeg.mcusX = (jpeg.width + 8 * hMax - 1) / (8 * hMax);
    jpeg.mcusY = (jpeg.height + 8 * vMax - 1) / (8 * vMax);
    for (FrameComponent& c : jpeg.components) {
        c.blocksWide = jpeg.mcusX * c.h;
        c.blocksHigh = jpeg.mcusY * c.v;
        c.widthInBlocks = ((jpeg.width * c.h + hMax - 1) / hMax + 7) / 8;
        c.heightInBlocks = ((jpeg.height * c.v + vMax - 1) / vMax + 7) / 8;
    }
}

// The end of a scan's entropy-coded data: the first marker that is not a restart marker.
inline size_t scanDataEnd(const std::vector<uint8_t>& d, size_t at)
{
    for (; at + 1 < d.size(); ++at)
        if (d[at] == 0xFF && d[at + 1] != 0x00 && (d[at + 1] < 0xD0 || d[at + 1] > 0xD7))
            return at;
    return d.size();
}

inline Scan readScanHeader(const std::vector<uint8_t>& d, size_t at, const ParsedJpeg& jpeg,
                           const TableDefinition* dc, const TableDefinition* ac)
{
    Scan scan;
    const int count = d[at];
    for (int i = 0; i < count; ++i) {
        const int id = d[at + 1 + 2 * i];
        for (size_t c = 0; c < jpeg.components.size(); ++c)
            if (jpeg.components[c].id == id)
                scan.components.push_back(static_cast<int>(c));
        scan.dcTable.push_back(d[at + 2 + 2 * i] >> 4);
        scan.acTable.push_back(d[at + 2 + 2 * i] & 15);
    }
    const size_t tail = at + 1 + 2 * static_cast<size_t>(count);
    scan.ss = d[tail];
    scan.se = d[tail + 1];
    scan.ah = d[tail + 2] >> 4;
    scan.al = d[tail + 2] & 15;
    for (int t = 0; t < 4; ++t) {
        scan.dcTables[t] = dc[t];
        scan.acTables[t] = ac[t];
    }
    return scan;
}

inline ParsedJpeg parseJpeg(const std::vector<uint8_t>& d)
{
    ParsedJpeg jpeg;
    TableDefinition dc[4], ac[4];
    size_t at = 2; // after SOI
    while (at + 4 <= d.size()) {
        if (d[at] != 0xFF) {
            ++at;
            continue;
        }
        const int code = d[at + 1];
        if (code == 0xD9)
            break;
        const size_t segment = at + 4;
        const size_t end = at + 2 + static_cast<size_t>(readWord(d, at + 2));
        if (code == 0xC4)
            readHuffmanTables(d, segment, end, dc, ac);
        else if (code == 0xC0 || code == 0xC1 || code == 0xC2) {
            jpeg.progressive = code == 0xC2;
            readFrame(d, segment, jpeg);
        } else if (code == 0xDD)
            jpeg.restartInterval = readWord(d, segment);
        if (code != 0xDA) {
            at = end;
            continue;
        }
        Scan scan = readScanHeader(d, segment, jpeg, dc, ac);
        scan.dataStart = end;
        scan.dataEnd = scanDataEnd(d, end);
        at = scan.dataEnd;
        jpeg.scans.push_back(std::move(scan));
    }
    return jpeg;
}

// ---- Scan order -----------------------------------------------------------------------------

struct BlockRef {
    int scanComponent; // index into the scan's component list
    int component;     // frame component index
    int bx, by;
};

// The MCUs of a scan in coding order; a one-component scan codes the component's real blocks
// one by one, an interleaved scan whole MCUs with their padding blocks.
inline std::vector<std::vector<BlockRef>> scanMcus(const ParsedJpeg& jpeg, const Scan& scan)
{
    std::vector<std::vector<BlockRef>> mcus;
    if (scan.components.size() == 1) {
        const int c = scan.components[0];
        const FrameComponent& fc = jpeg.components[static_cast<size_t>(c)];
        for (int by = 0; by < fc.heightInBlocks; ++by)
            for (int bx = 0; bx < fc.widthInBlocks; ++bx)
                mcus.push_back({{0, c, bx, by}});
        return mcus;
    }
    for (int my = 0; my < jpeg.mcusY; ++my)
        for (int mx = 0; mx < jpeg.mcusX; ++mx) {
            std::vector<BlockRef> mcu;
            for (size_t i = 0; i < scan.components.size(); ++i) {
                const int c = scan.components[i];
                const FrameComponent& fc = jpeg.components[static_cast<size_t>(c)];
                for (int v = 0; v < fc.v; ++v)
                    for (int h = 0; h < fc.h; ++h)
                        mcu.push_back({static_cast<int>(i), c, mx * fc.h + h, my * fc.v + v});
            }
            mcus.push_back(std::move(mcu));
        }
    return mcus;
}

// Coefficient planes of all components, padded to whole MCUs.
struct CoefficientPlanes {
    std::vector<FrameComponent> components;
    std::vector<std::vector<int16_t>> planes;

    explicit CoefficientPlanes(const ParsedJpeg& jpeg) : components(jpeg.components)
    {
        for (const FrameComponent& c : components)
            planes.emplace_back(static_cast<size_t>(c.blocksWide) * c.blocksHigh * 64, int16_t{0});
    }
    int16_t* block(int c, int bx, int by)
    {
        const FrameComponent& fc = components[static_cast<size_t>(c)];
        return planes[static_cast<size_t>(c)].data() + (static_cast<size_t>(by) * fc.blocksWide + bx) * 64;
    }
};

// ---- Decoding driver ----------------------------------------------------------------------

struct ScanDecoder {
    const HuffmanBuild& build;
    const std::vector<uint8_t>& data;
    int32_t position = 0;
    int32_t marker = 0;
    DecodeStateBuffer state{kDecodeStateBytes};
    DecodeSpecBuffer dcSpecs[4] = {DecodeSpecBuffer(kDecodeSpecBytes), DecodeSpecBuffer(kDecodeSpecBytes),
                                   DecodeSpecBuffer(kDecodeSpecBytes), DecodeSpecBuffer(kDecodeSpecBytes)};
    DecodeSpecBuffer acSpecs[4] = {DecodeSpecBuffer(kDecodeSpecBytes), DecodeSpecBuffer(kDecodeSpecBytes),
                                   DecodeSpecBuffer(kDecodeSpecBytes), DecodeSpecBuffer(kDecodeSpecBytes)};
    int16_t predictors[4] = {};

    int32_t length() const { return static_cast<int32_t>(data.size()); }

    void prepare(const Scan& scan)
    {
        for (size_t i = 0; i < scan.components.size(); ++i) {
            const int dc = scan.dcTable[i], ac = scan.acTable[i];
            if (!scan.dcTables[dc].values.empty())
                build.decodeSpecInit(scan.dcTables[dc].bits.data(), scan.dcTables[dc].values.data(),
                                     dcSpecs[dc].get());
            if (!scan.acTables[ac].values.empty())
                build.decodeSpecInit(scan.acTables[ac].bits.data(), scan.acTables[ac].values.data(),
                                     acSpecs[ac].get());
        }
        position = static_cast<int32_t>(scan.dataStart);
        resetInterval();
    }

    void resetInterval()
    {
        marker = 0;
        build.decodeStateInit(state.get());
        std::fill_n(predictors, 4, int16_t{0});
    }

    // Skips to the restart marker unless the reader already met it.
    bool skipRestartMarker()
    {
        if (marker == 0) {
            while (position + 1 < length() && !(data[static_cast<size_t>(position)] == 0xFF &&
                                                data[static_cast<size_t>(position) + 1] >= 0xD0 &&
                                                data[static_cast<size_t>(position) + 1] <= 0xD7))
                ++position;
            if (position + 1 >= length())
                return false;
            marker = data[static_cast<size_t>(position) + 1];
            position += 2;
        }
        const bool restart = marker >= 0xD0 && marker <= 0xD7;
        resetInterval();
        return restart;
    }

    ImagingStatus decodeBlock(const ParsedJpeg& jpeg, const Scan& scan, const BlockRef& ref, int16_t* block)
    {
        const int dc = scan.dcTable[static_cast<size_t>(ref.scanComponent)];
        const int ac = scan.acTable[static_cast<size_t>(ref.scanComponent)];
        int16_t& predictor = predictors[ref.scanComponent];
        const uint8_t* d = data.data();
        if (!jpeg.progressive)
            return build.decode8x8(d, length(), &position, block, &predictor, &marker, dcSpecs[dc].get(),
                                   acSpecs[ac].get(), state.get());
        if (scan.ss == 0 && scan.ah == 0)
            return build.decodeDcFirst(d, length(), &position, block, &predictor, &marker, scan.al,
                                       dcSpecs[dc].get(), state.get());
        if (scan.ss == 0)
            return build.decodeDcRefine(d, length(), &position, block, &marker, scan.al, state.get());
        if (scan.ah == 0)
            return build.decodeAcFirst(d, length(), &position, block, &marker, scan.ss, scan.se, scan.al,
                                       acSpecs[ac].get(), state.get());
        return build.decodeAcRefine(d, length(), &position, block, &marker, scan.ss, scan.se, scan.al,
                                    acSpecs[ac].get(), state.get());
    }
};

// Decodes every scan of the file into the planes; an empty string on success, else what failed.
inline std::string decodeJpegWithZefrim(const HuffmanBuild& build, const std::vector<uint8_t>& file,
                                        const ParsedJpeg& jpeg, CoefficientPlanes& planes)
{
    ScanDecoder decoder{build, file};
    for (size_t s = 0; s < jpeg.scans.size(); ++s) {
        const Scan& scan = jpeg.scans[s];
        decoder.prepare(scan);
        const auto mcus = scanMcus(jpeg, scan);
        for (size_t m = 0; m < mcus.size(); ++m) {
            if (jpeg.restartInterval > 0 && m > 0 && m % static_cast<size_t>(jpeg.restartInterval) == 0 &&
                !decoder.skipRestartMarker())
                return "scan " + std::to_string(s) + ": no restart marker before MCU " + std::to_string(m);
            for (const BlockRef& ref : mcus[m]) {
                const ImagingStatus status =
                    decoder.decodeBlock(jpeg, scan, ref, planes.block(ref.component, ref.bx, ref.by));
                if (status < 0)
                    return "scan " + std::to_string(s) + " MCU " + std::to_string(m) + ": status " +
                           std::to_string(status);
            }
        }
    }
    return {};
}

// ---- Encoding driver ----------------------------------------------------------------------

// Entropy-codes one scan of the coefficient planes, restart markers included.
inline std::vector<uint8_t> encodeScanWithZefrim(const HuffmanBuild& build, const ParsedJpeg& jpeg,
                                                 const Scan& scan, CoefficientPlanes& planes,
                                                 ImagingStatus& failure)
{
    EncodeSpecBuffer dcSpecs[4] = {EncodeSpecBuffer(kEncodeSpecBytes), EncodeSpecBuffer(kEncodeSpecBytes),
                                   EncodeSpecBuffer(kEncodeSpecBytes), EncodeSpecBuffer(kEncodeSpecBytes)};
    EncodeSpecBuffer acSpecs[4] = {EncodeSpecBuffer(kEncodeSpecBytes), EncodeSpecBuffer(kEncodeSpecBytes),
                                   EncodeSpecBuffer(kEncodeSpecBytes), EncodeSpecBuffer(kEncodeSpecBytes)};
    for (size_t i = 0; i < scan.components.size(); ++i) {
        const TableDefinition& dc = scan.dcTables[scan.dcTable[i]];
        const TableDefinition& ac = scan.acTables[scan.acTable[i]];
        build.encodeSpecInit(dc.bits.data(), dc.values.data(), dcSpecs[scan.dcTable[i]].get());
        build.encodeSpecInit(ac.bits.data(), ac.values.data(), acSpecs[scan.acTable[i]].get());
    }
    EncodeStateBuffer state(kEncodeStateBytes);
    build.encodeStateInit(state.get());
    std::vector<uint8_t> out(2 * (scan.dataEnd - scan.dataStart) + 4096);
    const int32_t outLength = static_cast<int32_t>(out.size());
    int32_t position = 0;
    int16_t predictors[4] = {};
    failure = StatusOk;
    const EncodeHuffmanSpec* acTable = acSpecs[scan.acTable[0]].get();
    auto code = [&](const int16_t* block, int scanComponent, int32_t flush) {
        const EncodeHuffmanSpec* dc = dcSpecs[scan.dcTable[static_cast<size_t>(scanComponent)]].get();
        const EncodeHuffmanSpec* ac = acSpecs[scan.acTable[static_cast<size_t>(scanComponent)]].get();
        int16_t* predictor = &predictors[scanComponent];
        if (!jpeg.progressive)
            return build.encode8x8(block, out.data(), outLength, &position, predictor, dc, ac, state.get(),
                                   flush);
        if (scan.ss == 0 && scan.ah == 0)
            return build.encodeDcFirst(block, out.data(), outLength, &position, predictor, scan.al, dc,
                                       state.get(), flush);
        if (scan.ss == 0)
            return build.encodeDcRefine(block, out.data(), outLength, &position, scan.al, state.get(), flush);
        if (scan.ah == 0)
            return build.encodeAcFirst(block, out.data(), outLength, &position, scan.ss, scan.se, scan.al,
                                       acTable, state.get(), flush);
        return build.encodeAcRefine(block, out.data(), outLength, &position, scan.ss, scan.se, scan.al,
                                    acTable, state.get(), flush);
    };
    auto keep = [&](ImagingStatus status) {
        if (status != StatusOk && failure == StatusOk)
            failure = status;
    };
    const auto mcus = scanMcus(jpeg, scan);
    for (size_t m = 0; m < mcus.size(); ++m) {
        if (jpeg.restartInterval > 0 && m > 0 && m % static_cast<size_t>(jpeg.restartInterval) == 0) {
            keep(code(nullptr, 0, 1));
            const size_t interval = m / static_cast<size_t>(jpeg.restartInterval) - 1;
            out[static_cast<size_t>(position++)] = 0xFF;
            out[static_cast<size_t>(position++)] = static_cast<uint8_t>(0xD0 + (interval & 7));
            std::fill_n(predictors, 4, int16_t{0});
        }
        for (const BlockRef& ref : mcus[m])
            keep(code(planes.block(ref.component, ref.bx, ref.by), ref.scanComponent, 0));
    }
    keep(code(nullptr, 0, 1));
    out.resize(static_cast<size_t>(position));
    return out;
}

} // namespace huffman_test
