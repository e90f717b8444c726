#pragma once

#include "CJPEGColorComponent.h"
#include "CJPEGDecoderHuffmanState.h"
#include "CJPEGDecoderHuffmanTable.h"
#include "CJPEGDecoderQuantTable.h"
#include "CJPEGSourceStream.h"
#include "JpegOutputTarget.h"

#include <cstdint>
#include <vector>

// Decodes one JPEG frame lying complete in memory into 8-bit three-channel images, with the
// imaging library's generic build doing the numeric work. Failures are negative statuses:
//  -1 unsupported, -2 a library step failed or a table is missing, -3 the data ended,
//  -4 no memory or no header read, -5 a length or value out of range, -6 Huffman counts,
//  -7 quantisation table id, -8 scan component count, -9 frame size or sampling,
//  -10 unknown scan component, -11 grey frame not sampled 1x1.
class CJPEGDecoder
{
public:
    // Largest width and height accepted, so buffer sizes stay far inside 32 bits.
    static constexpr int maximumSide = 4096;

    CJPEGDecoder();
    virtual ~CJPEGDecoder();
    CJPEGDecoder(const CJPEGDecoder&) = delete;
    CJPEGDecoder& operator=(const CJPEGDecoder&) = delete;

    int AttachSource(const std::uint8_t* data, std::int32_t length);
    const std::uint8_t* SourceData() const { return source.data; }
    std::int32_t SourceLength() const { return source.length; }
    // Reads up to the first scan; the outputs are written only on 0.
    int ReadFrameHeader(int& width, int& height, int& components, int& colourCode, int& samplingMode, int& precision);
    int SetOutputTargets(const std::vector<JpegOutputTarget>& targets, int lineStep, int width, int height,
                         int channels, int bitsPerChannel);
    int DecodeFrame();
    // Whether the last DecodeFrame wrote pixels into the targets (also when it then failed).
    bool TargetsWritten() const { return targetsWritten; }

private:
    // Stream and markers
    void ResetFields();
    void ReleaseFrame();
    int ScanMarkers(int mode);
    int DispatchMarker(int mode, int code);
    int NextMarker(std::int32_t& code);
    int SegmentLength(std::int32_t& remaining);
    int SkipSegment();
    int ReadJfifSegment();
    int ReadAdobeSegment();
    int ReadComment();
    int ReadQuantTables();
    int ReadHuffmanTables();
    int ReadFrameSegment(int process, int mode);
    int ReadFrameComponents(std::int32_t remaining, int process);
    int ReadRestartInterval();
    int ReadScanHeader();
    int ClassifySampling();
    void SetColourCode();
    void StartOfImage();
    bool MatchesIdentifier(const char* identifier, std::int32_t remaining) const;
    void ComputeGeometry();

    // Scans and output
    int CheckTargets() const;
    int DecodeScan();
    int CheckScanTables() const;
    int AllocateScanBuffers();
    int AllocateComponentBuffers(CJPEGColorComponent& c, int i);
    int StartScan();
    int ProcessRestart();
    int RestartCheck();
    int DecodeSequentialScan();
    int DecodeMcuRow();
    int ReconstructMcuRow(int r);
    int UpsampleMcuRow(int r);
    int ConvertMcuRow(int r);
    int ConvertPlanes(int rowOffset, int rows);
    int ConvertRow(const std::uint8_t* const planes[3], int row);
    int RedoSeamRow(int r);
    int DecodeProgressiveScan();
    int DecodeProgressiveDcScan();
    int DecodeProgressiveAcScan();
    int DecodeProgressiveBlock(std::int16_t* block, CJPEGColorComponent& c, bool dc);
    std::int16_t* ProgressiveBlock(int r, int k, int componentIndex, int y, int x) const;
    int ReconstructImage();
    int UpsampleImage();
    int DecodeLosslessScan();
    int DecodeLosslessRow();
    int ReconstructLosslessRow(int r);
    void DeriveColourTargets(std::uint8_t* bgr, std::uint8_t* hsv, std::uint8_t* hls);
    static void ReplicateBorders(std::uint8_t* rows, int step, int count, int lastDataColumn);

    CJPEGSourceStream source;
    std::uint8_t* ycbcrTarget = nullptr;
    std::uint8_t* rgbTarget = nullptr;
    std::uint8_t* ownRgb = nullptr;
    std::int32_t ownRgbSize = 0;
    std::int32_t targetStep = 0;
    std::int32_t rgbStep = 0;
    std::int32_t targetWidth = 0;
    std::int32_t targetHeight = 0;
    std::int32_t targetChannels = 0;
    std::int32_t targetDepth = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t components = 0;
    std::int32_t precision = 8;
    std::int32_t samplingMode = 0;
    std::int32_t colourCode = 0;
    std::int32_t restartInterval = 0;
    std::int32_t process = 0;
    std::int32_t commentFlag = 0;
    std::int32_t commentLength = 0;
    char* comment = nullptr;
    std::int32_t jfif = 0;
    std::int32_t jfifMajor = 0, jfifMinor = 0, densityUnits = 0;
    std::int32_t xDensity = 0, yDensity = 0, thumbnailWidth = 0, thumbnailHeight = 0;
    std::int32_t jfxx = 0;
    std::int32_t jfxxCode = 0;
    std::int32_t adobe = 0;
    std::int32_t adobeVersion = 0, adobeFlags0 = 0, adobeFlags1 = 0, adobeTransform = 0;
    std::int32_t mcusPerRow = 0;
    std::int32_t mcuRows = 0;
    std::int32_t mcuWidth = 0;
    std::int32_t mcuHeight = 0;
    std::int32_t paddedWidth = 0;
    std::int32_t rowsToConvert = 0;
    std::int32_t padX = 0;
    std::int32_t padY = 0;
    std::int32_t restartsToGo = 0;
    std::int32_t scanHeaderLength = 0;
    std::int32_t scanComponent = 0;
    std::int32_t scanCount = 0;
    std::int32_t scanComponents[4] = {};
    std::int32_t Ss = 0, Se = 0, Al = 0, Ah = 0;
    std::int32_t dcComplete = 0;
    std::int32_t acCompleteCount = 0;
    std::int32_t marker = 0;
    std::int16_t* coefficients = nullptr;
    std::int16_t* mcuBuffer = nullptr;
    std::int32_t blocksPerMcu = 1;
    std::int32_t blocksPerProgressiveMcu = 0;
    CJPEGColorComponent* component[4] = {};
    CJPEGDecoderQuantTable quantTables[4];
    CJPEGDecoderHuffmanTable dcTables[4];
    CJPEGDecoderHuffmanTable acTables[4];
    CJPEGDecoderHuffmanState huffmanState;
    std::vector<JpegOutputTarget> targets;

    // 4:2:0 sequential frames: the last output row of an MCU row needs the first chroma row
    // of the next one; it is converted again once that row is decoded.
    std::uint8_t* seamRows = nullptr;

    bool headerRead = false;
    bool frameSeen = false;
    bool progressiveScansDecoded = false;
    bool targetsWritten = false;
};
