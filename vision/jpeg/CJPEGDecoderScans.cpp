// CJPEGDecoder: buffers, Huffman decoding of the three processes, restarts, reconstruction,
// up-sampling and conversion into the targets.
#include "CJPEGDecoder.h"

#include "zefrim/generic.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr int blockBytes = 64 * sizeof(std::int16_t);

bool isDcScan(int ss, int se)
{
    return ss == 0 || se == 0;
}

// Allocation through the library's generic build, sizes worked out in 64 bits.
void* allocate(std::int64_t bytes, bool zeroed)
{
    if (bytes <= 0 || bytes > INT32_MAX)
        return nullptr;
    void* memory = zfmsMalloc_8u_gn(static_cast<std::int32_t>(bytes));
    if (memory && zeroed)
        std::memset(memory, 0, static_cast<std::size_t>(bytes));
    return memory;
}

} // namespace

int CJPEGDecoder::DecodeScan()
{
    if (const int missing = CheckScanTables(); missing != 0)
        return missing;
    if (const int allocated = AllocateScanBuffers(); allocated != 0)
        return allocated;
    if (const int started = StartScan(); started != 0)
        return started;
    switch (process) {
    case 0: return DecodeSequentialScan();
    case 2: return DecodeLosslessScan();
    default:
        // A failing progressive scan is not reported: the frame shows what was decoded.
        DecodeProgressiveScan();
        progressiveScansDecoded = true;
        return 0;
    }
}

// A table that was never defined has no contents to decode with.
int CJPEGDecoder::CheckScanTables() const
{
    const auto dcDefined = [this](int i) { return dcTables[component[i]->dcTable].isInitialised(); };
    const auto acDefined = [this](int i) { return acTables[component[i]->acTable].isInitialised(); };
    if (process == 0) {
        for (int i = 0; i < components; ++i) {
            if (!dcDefined(i) || !acDefined(i) || !quantTables[component[i]->quantTable].isInitialised())
                return -2;
        }
    } else if (process == 2) {
        if (!dcDefined(0))
            return -2;
    } else if (isDcScan(Ss, Se)) {
        for (int n = 0; n < scanCount && Ah == 0; ++n) {
            if (!dcDefined(scanComponents[n]))
                return -2;
        }
    } else if (!acDefined(scanComponent)) {
        return -2;
    }
    return 0;
}

int CJPEGDecoder::AllocateScanBuffers()
{
    blocksPerMcu = 1;
    if (samplingMode == 3)
        return -1;
    blocksPerProgressiveMcu = 0;
    for (int i = 0; i < components; ++i)
        blocksPerProgressiveMcu += component[i]->h * component[i]->v;
    for (int i = 0; i < components; ++i) {
        if (const int status = AllocateComponentBuffers(*component[i], i); status != 0)
            return status;
    }
    if (process == 0 && mcuBuffer == nullptr) {
        mcuBuffer = static_cast<std::int16_t*>(allocate(std::int64_t {blocksPerMcu} * mcusPerRow * blockBytes, true));
        if (!mcuBuffer)
            return -4;
    }
    if (process == 0 && samplingMode == 2 && seamRows == nullptr) {
        // Per chroma component: three bordered source rows and two output rows; one luma row.
        const std::int64_t chromaRows = 3 * (paddedWidth / 2 + 2) + 2 * std::int64_t {paddedWidth};
        seamRows = static_cast<std::uint8_t*>(allocate(2 * chromaRows + paddedWidth, false));
        if (!seamRows)
            return -4;
    }
    if (process == 1 && coefficients == nullptr) {
        coefficients = static_cast<std::int16_t*>(
            allocate(std::int64_t {mcuRows} * mcusPerRow * blocksPerProgressiveMcu * blockBytes, true));
        if (!coefficients)
            return -4;
    }
    if (process == 2 && mcuBuffer == nullptr) {
        mcuBuffer = static_cast<std::int16_t*>(allocate(std::int64_t {2} * mcusPerRow, true));
        if (!mcuBuffer)
            return -4;
    }
    if (huffmanState.state() == nullptr)
        huffmanState.Create();
    return 0;
}

int CJPEGDecoder::AllocateComponentBuffers(CJPEGColorComponent& c, int i)
{
    const bool chroma = i == 1 || i == 2;
    const std::int64_t rowsOfMcus = mcusPerRow;
    std::int64_t work = 0; // 16-bit units
    std::int64_t plane = 0; // bytes
    if (process == 0) {
        if (samplingMode == 0) {
            blocksPerMcu = components;
        } else if (samplingMode == 1) {
            work = chroma ? std::int64_t {mcuWidth / 2 + 2} * mcuHeight * rowsOfMcus : 0;
            blocksPerMcu = components == 3 ? 4 : 6;
        } else {
            work = chroma ? std::int64_t {mcuHeight / 2 + 2} * (mcuWidth / 2 + 2) * rowsOfMcus : 0;
            blocksPerMcu = components == 3 ? 6 : 10;
        }
        plane = std::int64_t {mcuHeight} * mcuWidth * rowsOfMcus;
    } else if (process == 1) {
        work = (std::int64_t {mcuRows} * mcuHeight + 2) * (rowsOfMcus * mcuWidth + 2);
        plane = std::int64_t {mcuRows} * mcuHeight * rowsOfMcus * mcuWidth;
    } else {
        work = plane = std::int64_t {2} * mcuWidth * rowsOfMcus;
    }
    if (c.work == nullptr && work > 0) {
        c.work = allocate(2 * work, true);
        if (!c.work)
            return -4;
        c.currentRow = static_cast<std::int16_t*>(c.work);
        c.previousRow = c.currentRow + width;
    }
    if (c.plane == nullptr) {
        c.plane = static_cast<std::uint8_t*>(allocate(plane, false));
        if (!c.plane)
            return -4;
    }
    if (c.line == nullptr && samplingMode == 2) {
        c.line = static_cast<std::uint8_t*>(allocate(2 * (paddedWidth / 2 + 2), false));
        if (!c.line)
            return -4;
    }
    return 0;
}

int CJPEGDecoder::StartScan()
{
    restartsToGo = restartInterval;
    marker = 0;
    if (zfmiDecodeHuffmanStateInit_JPEG_8u_gn(huffmanState.state()) != StatusOk)
        return -2;
    return 0;
}

int CJPEGDecoder::ProcessRestart()
{
    if (zfmiDecodeHuffmanStateInit_JPEG_8u_gn(huffmanState.state()) != StatusOk)
        return -2;
    for (int i = 0; i < components; ++i)
        component[i]->dcPredictor = 0;
    if (marker == 0) {
        std::int32_t found = 0;
        NextMarker(found);
    }
    marker = 0;
    restartsToGo = restartInterval;
    return 0;
}

int CJPEGDecoder::RestartCheck()
{
    if (restartInterval != 0 && restartsToGo == 0)
        return ProcessRestart();
    return 0;
}

// ---- Sequential ------------------------------------------------------------------------------

int CJPEGDecoder::DecodeSequentialScan()
{
    // A break in the data leaves the earlier coefficients in the buffer; every row is still
    // reconstructed so the targets are whole.
    for (int r = 0; r < mcuRows; ++r) {
        DecodeMcuRow();
        ReconstructMcuRow(r);
    }
    return 0;
}

int CJPEGDecoder::DecodeMcuRow()
{
    std::int16_t* block = mcuBuffer;
    for (int k = 0; k < mcusPerRow; ++k) {
        if (const int restarted = RestartCheck(); restarted != 0)
            return restarted;
        for (int i = 0; i < components; ++i) {
            CJPEGColorComponent& c = *component[i];
            for (int n = 0; n < c.h * c.v; ++n, block += 64) {
                const ImagingStatus status = zfmiDecodeHuffman8x8_JPEG_1u16s_C1_gn(
                    source.data, source.length, &source.position, block, &c.dcPredictor, &marker,
                    dcTables[c.dcTable].spec(), acTables[c.acTable].spec(), huffmanState.state());
                if (status < 0)
                    return -2;
            }
        }
        --restartsToGo;
    }
    return 0;
}

int CJPEGDecoder::ReconstructMcuRow(int r)
{
    const std::int16_t* block = mcuBuffer;
    const int chromaStep = paddedWidth / 2 + 2;
    for (int k = 0; k < mcusPerRow; ++k) {
        for (int i = 0; i < components; ++i) {
            CJPEGColorComponent& c = *component[i];
            const bool inPlane = samplingMode == 0 || i == 0 || i == 3;
            std::uint8_t* base = inPlane ? c.plane : static_cast<std::uint8_t*>(c.work);
            const int step = inPlane ? paddedWidth : chromaStep;
            if (c.vFactor == 2)
                base += step;
            if (c.hFactor == 2)
                base += 1;
            for (int y = 0; y < c.v; ++y) {
                for (int x = 0; x < c.h; ++x, block += 64) {
                    std::uint8_t* destination = base + (c.h * k + x) * 8 + y * 8 * step;
                    if (zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn(block, destination, step,
                                                               quantTables[c.quantTable].naturalTable())
                        < 0)
                        return -2;
                }
            }
        }
    }
    if (samplingMode != 0) {
        if (const int status = UpsampleMcuRow(r); status != 0)
            return status;
    }
    return ConvertMcuRow(r);
}

void CJPEGDecoder::ReplicateBorders(std::uint8_t* rows, int step, int count, int lastDataColumn)
{
    for (int y = 0; y < count; ++y) {
        std::uint8_t* row = rows + y * step;
        row[0] = row[1];
        row[lastDataColumn + 1] = row[lastDataColumn];
    }
}

int CJPEGDecoder::UpsampleMcuRow(int r)
{
    const int s = paddedWidth / 2 + 2;
    const int half = paddedWidth / 2;
    for (int i = 1; i <= 2 && i < components; ++i) {
        CJPEGColorComponent& c = *component[i];
        auto* work = static_cast<std::uint8_t*>(c.work);
        ImagingStatus status = StatusOk;
        if (c.vFactor == 1) {
            ReplicateBorders(work, s, mcuHeight, half);
            status = zfmiSampleUpH2V1_JPEG_8u_C1R_gn(work + 1, s, RoiSize {half, mcuHeight}, c.plane, paddedWidth,
                                                     RoiSize {paddedWidth, mcuHeight});
        } else {
            ReplicateBorders(work + s, s, 8, half);
            // Top border: the previous MCU row's last chroma row. Bottom: this row's own for
            // now; RedoSeamRow converts the last output row again with the real neighbour.
            std::memcpy(work, r == 0 ? work + s : c.line + s, s);
            std::memcpy(work + 9 * s, work + 8 * s, s);
            status = zfmiSampleUpH2V2_JPEG_8u_C1R_gn(work + s + 1, s, RoiSize {half, mcuHeight / 2}, c.plane,
                                                     paddedWidth, RoiSize {paddedWidth, mcuHeight});
        }
        if (status != StatusOk)
            return -2;
    }
    return 0;
}

int CJPEGDecoder::ConvertMcuRow(int r)
{
    const int rows = r == mcuRows - 1 ? mcuHeight - padY : mcuHeight;
    if (const int converted = ConvertPlanes(mcuHeight * r, rows); converted != 0)
        return converted;
    if (samplingMode != 2 || components < 3)
        return 0;
    if (r > 0) {
        if (const int redone = RedoSeamRow(r); redone != 0)
            return redone;
    }
    // Keep what the next MCU row needs: the last two chroma rows and the last luma row.
    const int s = paddedWidth / 2 + 2;
    for (int i = 1; i <= 2; ++i) {
        const auto* work = static_cast<const std::uint8_t*>(component[i]->work);
        std::memcpy(component[i]->line, work + 7 * s, 2 * static_cast<std::size_t>(s));
    }
    std::memcpy(seamRows, component[0]->plane + std::int64_t {mcuHeight - 1} * paddedWidth, paddedWidth);
    return 0;
}

// Output row 16r - 1 from the saved luma row and chroma rows 6 and 7 of MCU row r - 1 with
// chroma row 0 of MCU row r below them.
int CJPEGDecoder::RedoSeamRow(int r)
{
    const int s = paddedWidth / 2 + 2;
    const int half = paddedWidth / 2;
    const std::uint8_t* planes[3] = {seamRows, nullptr, nullptr};
    std::uint8_t* scratch = seamRows + paddedWidth;
    for (int i = 1; i <= 2; ++i) {
        CJPEGColorComponent& c = *component[i];
        std::uint8_t* source = scratch;
        std::uint8_t* output = scratch + 3 * s;
        scratch = output + 2 * paddedWidth;
        std::memcpy(source, c.line, 2 * static_cast<std::size_t>(s));
        std::memcpy(source + 2 * s, static_cast<const std::uint8_t*>(c.work) + s, s);
        if (zfmiSampleUpH2V2_JPEG_8u_C1R_gn(source + s + 1, s, RoiSize {half, 1}, output, paddedWidth,
                                            RoiSize {paddedWidth, 2})
            != StatusOk)
            return -2;
        planes[i] = output + paddedWidth;
    }
    return ConvertRow(planes, mcuHeight * r - 1);
}

int CJPEGDecoder::ConvertRow(const std::uint8_t* const planes[3], int row)
{
    const RoiSize region {targetWidth, 1};
    if (ycbcrTarget
        && zfmiCopy_8u_P3C3R_gn(planes, paddedWidth, ycbcrTarget + std::int64_t {targetStep} * row, targetStep, region)
            != StatusOk)
        return -2;
    if (rgbTarget
        && zfmiYCbCrToRGB_JPEG_8u_P3C3R_gn(planes, paddedWidth, rgbTarget + std::int64_t {rgbStep} * row, rgbStep,
                                           region)
            != StatusOk)
        return -2;
    return 0;
}

int CJPEGDecoder::ConvertPlanes(int rowOffset, int rows)
{
    const RoiSize region {targetWidth, rows};
    std::uint8_t* ycbcr = ycbcrTarget ? ycbcrTarget + std::int64_t {targetStep} * rowOffset : nullptr;
    std::uint8_t* rgb = rgbTarget ? rgbTarget + std::int64_t {rgbStep} * rowOffset : nullptr;
    if (ycbcr || rgb)
        targetsWritten = true;
    if (components < 3) {
        const std::uint8_t* grey = component[0]->plane;
        for (int channel = 0; channel < 3; ++channel) {
            if (ycbcr)
                zfmiCopy_8u_C1C3R_gn(grey, paddedWidth, ycbcr + channel, targetStep, region);
            if (rgb)
                zfmiCopy_8u_C1C3R_gn(grey, paddedWidth, rgb + channel, rgbStep, region);
        }
        return 0;
    }
    const std::uint8_t* const planes[3] = {component[0]->plane, component[1]->plane, component[2]->plane};
    if (ycbcr && zfmiCopy_8u_P3C3R_gn(planes, paddedWidth, ycbcr, targetStep, region) != StatusOk)
        return -2;
    if (rgb && zfmiYCbCrToRGB_JPEG_8u_P3C3R_gn(planes, paddedWidth, rgb, rgbStep, region) != StatusOk)
        return -2;
    return 0;
}

// ---- Progressive -----------------------------------------------------------------------------

std::int16_t* CJPEGDecoder::ProgressiveBlock(int r, int k, int componentIndex, int y, int x) const
{
    int offset = 0;
    for (int i = 0; i < componentIndex; ++i)
        offset += component[i]->h * component[i]->v;
    const CJPEGColorComponent& c = *component[componentIndex];
    const std::int64_t mcu = std::int64_t {r} * mcusPerRow + k;
    return coefficients + (mcu * blocksPerProgressiveMcu + offset + y * c.h + x) * 64;
}

int CJPEGDecoder::DecodeProgressiveScan()
{
    const bool dc = isDcScan(Ss, Se);
    const int status = dc && scanCount > 1 ? DecodeProgressiveDcScan() : DecodeProgressiveAcScan();
    if (dc && Al == 0)
        dcComplete = 1;
    if (!dc && Al == 0)
        component[scanComponent]->acComplete = 1;
    acCompleteCount = 0;
    for (int i = 0; i < components; ++i)
        acCompleteCount += component[i]->acComplete;
    return status;
}

int CJPEGDecoder::DecodeProgressiveBlock(std::int16_t* block, CJPEGColorComponent& c, bool dc)
{
    ImagingStatus status;
    if (dc && Ah == 0)
        status = zfmiDecodeHuffman8x8_DCFirst_JPEG_1u16s_C1_gn(source.data, source.length, &source.position, block,
                                                               &c.dcPredictor, &marker, Al, dcTables[c.dcTable].spec(),
                                                               huffmanState.state());
    else if (dc)
        status = zfmiDecodeHuffman8x8_DCRefine_JPEG_1u16s_C1_gn(source.data, source.length, &source.position, block,
                                                                &marker, Al, huffmanState.state());
    else if (Ah == 0)
        status =
            zfmiDecodeHuffman8x8_ACFirst_JPEG_1u16s_C1_gn(source.data, source.length, &source.position, block, &marker,
                                                          Ss, Se, Al, acTables[c.acTable].spec(), huffmanState.state());
    else
        status = zfmiDecodeHuffman8x8_ACRefine_JPEG_1u16s_C1_gn(source.data, source.length, &source.position, block,
                                                                &marker, Ss, Se, Al, acTables[c.acTable].spec(),
                                                                huffmanState.state());
    return status < 0 ? -2 : 0;
}

// Interleaved DC scan: MCU after MCU, the listed components in scan order.
int CJPEGDecoder::DecodeProgressiveDcScan()
{
    for (int r = 0; r < mcuRows; ++r) {
        for (int k = 0; k < mcusPerRow; ++k) {
            if (const int restarted = RestartCheck(); restarted != 0)
                return restarted;
            for (int n = 0; n < scanCount; ++n) {
                const int i = scanComponents[n];
                CJPEGColorComponent& c = *component[i];
                for (int y = 0; y < c.v; ++y) {
                    for (int x = 0; x < c.h; ++x) {
                        if (const int status = DecodeProgressiveBlock(ProgressiveBlock(r, k, i, y, x), c, true))
                            return status;
                    }
                }
            }
            --restartsToGo;
        }
    }
    return 0;
}

// Single-component scan (AC, or DC of one component): the component's blocks in raster order.
int CJPEGDecoder::DecodeProgressiveAcScan()
{
    const bool dc = isDcScan(Ss, Se);
    CJPEGColorComponent& c = *component[scanComponent];
    for (int r = 0; r < mcuRows; ++r) {
        for (int y = 0; y < c.v && (r * c.v + y) * 8 < height; ++y) {
            for (int k = 0; k < mcusPerRow; ++k) {
                for (int x = 0; x < c.h && (k * c.h + x) * 8 < width; ++x) {
                    if (const int restarted = RestartCheck(); restarted != 0)
                        return restarted;
                    std::int16_t* block = ProgressiveBlock(r, k, scanComponent, y, x);
                    if (const int status = DecodeProgressiveBlock(block, c, dc))
                        return status;
                    --restartsToGo;
                }
            }
        }
    }
    return 0;
}

int CJPEGDecoder::ReconstructImage()
{
    for (int i = 0; i < components; ++i) {
        if (!quantTables[component[i]->quantTable].isInitialised())
            return -2;
    }
    for (int r = 0; r < mcuRows; ++r) {
        for (int k = 0; k < mcusPerRow; ++k) {
            for (int i = 0; i < components; ++i) {
                CJPEGColorComponent& c = *component[i];
                std::uint8_t* base = static_cast<std::uint8_t*>(c.work);
                if (c.vFactor == 2)
                    base += paddedWidth;
                if (c.hFactor == 2)
                    base += 1;
                for (int y = 0; y < c.v; ++y) {
                    for (int x = 0; x < c.h; ++x) {
                        std::uint8_t* destination =
                            base + std::int64_t {(r * c.v + y) * 8} * paddedWidth + (k * c.h + x) * 8;
                        if (zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn(ProgressiveBlock(r, k, i, y, x), destination,
                                                                   paddedWidth,
                                                                   quantTables[c.quantTable].naturalTable())
                            != StatusOk)
                            return -2;
                    }
                }
            }
        }
    }
    return 0;
}

int CJPEGDecoder::UpsampleImage()
{
    const int rows = rowsToConvert;
    const int half = paddedWidth / 2;
    const RoiSize target {targetWidth, targetHeight};
    for (int i = 0; i < components; ++i) {
        CJPEGColorComponent& c = *component[i];
        auto* work = static_cast<std::uint8_t*>(c.work);
        ImagingStatus status = StatusOk;
        if (c.hFactor == 1 && c.vFactor == 1) {
            zfmiCopy_8u_C1R_gn(work, paddedWidth, c.plane, paddedWidth, target);
        } else if (c.vFactor == 1) {
            ReplicateBorders(work, paddedWidth, rows, half);
            status = zfmiSampleUpH2V1_JPEG_8u_C1R_gn(work + 1, paddedWidth, RoiSize {half, rows}, c.plane, paddedWidth,
                                                     target);
        } else {
            ReplicateBorders(work + paddedWidth, paddedWidth, rows / 2, half);
            std::memcpy(work, work + paddedWidth, paddedWidth);
            std::memcpy(work + std::int64_t {rows / 2 + 1} * paddedWidth, work + std::int64_t {rows / 2} * paddedWidth,
                        paddedWidth);
            status = zfmiSampleUpH2V2_JPEG_8u_C1R_gn(work + paddedWidth + 1, paddedWidth, RoiSize {half, rows / 2},
                                                     c.plane, paddedWidth, target);
        }
        if (status != StatusOk)
            return -2;
    }
    return 0;
}

// ---- Lossless --------------------------------------------------------------------------------

int CJPEGDecoder::DecodeLosslessScan()
{
    for (int r = 0; r < mcuRows; ++r) {
        if (const int decoded = DecodeLosslessRow(); decoded != 0)
            return decoded;
        if (const int rebuilt = ReconstructLosslessRow(r); rebuilt != 0)
            return rebuilt;
    }
    return 0;
}

int CJPEGDecoder::DecodeLosslessRow()
{
    CJPEGColorComponent& c = *component[0];
    for (int k = 0; k < mcusPerRow; ++k) {
        if (const int restarted = RestartCheck(); restarted != 0)
            return restarted;
        if (zfmiDecodeHuffmanOne_JPEG_1u16s_C1_gn(source.data, source.length, &source.position, mcuBuffer + k, &marker,
                                                  dcTables[c.dcTable].spec(), huffmanState.state())
            < 0)
            return -2;
        --restartsToGo;
    }
    return 0;
}

int CJPEGDecoder::ReconstructLosslessRow(int r)
{
    CJPEGColorComponent& c = *component[0];
    const ImagingStatus status = r == 0
        ? zfmiReconstructPredFirstRow_JPEG_16s_C1_gn(mcuBuffer, c.currentRow, width, precision, Al)
        : zfmiReconstructPredRow_JPEG_16s_C1_gn(mcuBuffer, c.previousRow, c.currentRow, width, Ss);
    if (status != StatusOk)
        return -2;
    if (Al != 0 && zfmsLShiftC_16s_I_gn(Al, c.currentRow, width) != StatusOk)
        return -2;
    // Samples of more than 8 bits are scaled down to the targets' 8 bits.
    const int shift = std::max(0, precision - 8);
    for (int x = 0; x < width; ++x) {
        const unsigned sample = static_cast<std::uint16_t>(c.currentRow[x]) >> shift;
        c.plane[x] = static_cast<std::uint8_t>(std::min(sample, 255u));
    }
    const RoiSize row {width, 1};
    for (int channel = 0; channel < 3; ++channel) {
        if (rgbTarget)
            zfmiCopy_8u_C1C3R_gn(c.plane, width, rgbTarget + std::int64_t {rgbStep} * r + channel, rgbStep, row);
        if (ycbcrTarget)
            zfmiCopy_8u_C1C3R_gn(c.plane, width, ycbcrTarget + std::int64_t {targetStep} * r + channel, targetStep,
                                 row);
    }
    if (rgbTarget || ycbcrTarget)
        targetsWritten = true;
    std::swap(c.currentRow, c.previousRow);
    return 0;
}
