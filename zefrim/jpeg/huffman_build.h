// The Huffman exports of one build. Included once by each huffman_<build>.cpp after it has defined
// HuffmanMem (its memory kernels). The builds share one algorithm; each runs it on its own kernels.

#include "build_token.h"
#include "builds.h"
#include "huffman_statistics.h"

extern "C" {

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDecodeHuffmanSpecGetBufSize_JPEG_8u)(int32_t* pSize)
{
    if (!pSize)
        return StatusNullPointer;
    *pSize = huffman::kDecodeSpecSize;
    return StatusOk;
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDecodeHuffmanStateGetBufSize_JPEG_8u)(int32_t* pSize)
{
    if (!pSize)
        return StatusNullPointer;
    *pSize = huffman::kDecodeStateSize;
    return StatusOk;
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiEncodeHuffmanSpecGetBufSize_JPEG_8u)(int32_t* pSize)
{
    if (!pSize)
        return StatusNullPointer;
    *pSize = huffman::kEncodeSpecSize;
    return StatusOk;
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiEncodeHuffmanStateGetBufSize_JPEG_8u)(int32_t* pSize)
{
    if (!pSize)
        return StatusNullPointer;
    *pSize = huffman::kEncodeStateSize;
    return StatusOk;
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDecodeHuffmanSpecInit_JPEG_8u)(const uint8_t* pListBits,
                                                                   const uint8_t* pListVals,
                                                                   DecodeHuffmanSpec* pDecHuffSpec)
{
    return huffman::initDecodeSpec<HuffmanMem>(pListBits, pListVals, pDecHuffSpec);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDecodeHuffmanStateInit_JPEG_8u)(DecodeHuffmanState* pDecHuffState)
{
    if (!pDecHuffState)
        return StatusNullPointer;
    pDecHuffState->accumulator = 0;
    pDecHuffState->accumulatorHigh = 0;
    pDecHuffState->bitCount = 0;
    pDecHuffState->eobRun = 0;
    pDecHuffState->reserved = 0;
    return StatusOk;
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDecodeHuffman8x8_JPEG_1u16s_C1)(const uint8_t* pSrc, int32_t srcLen,
                                                                    int32_t* pSrcCurrPos, int16_t* pDst,
                                                                    int16_t* pLastDC, int32_t* pMarker,
                                                                    const DecodeHuffmanSpec* pDcTable,
                                                                    const DecodeHuffmanSpec* pAcTable,
                                                                    DecodeHuffmanState* pDecHuffState)
{
    return huffman::decodeBlock<HuffmanMem>(pSrc, srcLen, pSrcCurrPos, pDst, pLastDC, pMarker, pDcTable,
                                            pAcTable, pDecHuffState);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDecodeHuffman8x8_DCFirst_JPEG_1u16s_C1)(
    const uint8_t* pSrc, int32_t srcLen, int32_t* pSrcCurrPos, int16_t* pDst, int16_t* pLastDC,
    int32_t* pMarker, int32_t Al, const DecodeHuffmanSpec* pDcTable, DecodeHuffmanState* pDecHuffState)
{
    return huffman::decodeDcFirst(pSrc, srcLen, pSrcCurrPos, pDst, pLastDC, pMarker, Al, pDcTable,
                                  pDecHuffState);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDecodeHuffman8x8_DCRefine_JPEG_1u16s_C1)(
    const uint8_t* pSrc, int32_t srcLen, int32_t* pSrcCurrPos, int16_t* pDst, int32_t* pMarker, int32_t Al,
    DecodeHuffmanState* pDecHuffState)
{
    return huffman::decodeDcRefine(pSrc, srcLen, pSrcCurrPos, pDst, pMarker, Al, pDecHuffState);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDecodeHuffman8x8_ACFirst_JPEG_1u16s_C1)(
    const uint8_t* pSrc, int32_t srcLen, int32_t* pSrcCurrPos, int16_t* pDst, int32_t* pMarker, int32_t Ss,
    int32_t Se, int32_t Al, const DecodeHuffmanSpec* pAcTable, DecodeHuffmanState* pDecHuffState)
{
    return huffman::decodeAcFirst(pSrc, srcLen, pSrcCurrPos, pDst, pMarker, Ss, Se, Al, pAcTable,
                                  pDecHuffState);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDecodeHuffman8x8_ACRefine_JPEG_1u16s_C1)(
    const uint8_t* pSrc, int32_t srcLen, int32_t* pSrcCurrPos, int16_t* pDst, int32_t* pMarker, int32_t Ss,
    int32_t Se, int32_t Al, const DecodeHuffmanSpec* pAcTable, DecodeHuffmanState* pDecHuffState)
{
    return huffman::decodeAcRefine(pSrc, srcLen, pSrcCurrPos, pDst, pMarker, Ss, Se, Al, pAcTable,
                                   pDecHuffState);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDecodeHuffmanOne_JPEG_1u16s_C1)(const uint8_t* pSrc, int32_t srcLen,
                                                                    int32_t* pSrcCurrPos, int16_t* pDst,
                                                                    int32_t* pMarker,
                                                                    const DecodeHuffmanSpec* pDecHuffTable,
                                                                    DecodeHuffmanState* pDecHuffState)
{
    return huffman::decodeLosslessValue(pSrc, srcLen, pSrcCurrPos, pDst, pMarker, pDecHuffTable,
                                        pDecHuffState);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiEncodeHuffmanSpecInit_JPEG_8u)(const uint8_t* pListBits,
                                                                   const uint8_t* pListVals,
                                                                   EncodeHuffmanSpec* pEncHuffSpec)
{
    return huffman::initEncodeSpec<HuffmanMem>(pListBits, pListVals, pEncHuffSpec);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiEncodeHuffmanStateInit_JPEG_8u)(EncodeHuffmanState* pEncHuffState)
{
    if (!pEncHuffState)
        return StatusNullPointer;
    huffman::resetEncodeHuffmanState<HuffmanMem>(*pEncHuffState);
    return StatusOk;
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiEncodeHuffmanRawTableInit_JPEG_8u)(const int32_t* pStatistics,
                                                                       uint8_t* pListBits, uint8_t* pListVals)
{
    return huffman::generateRawTable<HuffmanMem>(pStatistics, pListBits, pListVals);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiEncodeHuffman8x8_JPEG_16s1u_C1)(
    const int16_t* pSrc, uint8_t* pDst, int32_t dstLen, int32_t* pDstCurrPos, int16_t* pLastDC,
    const EncodeHuffmanSpec* pDcTable, const EncodeHuffmanSpec* pAcTable, EncodeHuffmanState* pEncHuffState,
    int32_t bFlushState)
{
    return huffman::encodeBlock<HuffmanMem>(pSrc, pDst, dstLen, pDstCurrPos, pLastDC, pDcTable, pAcTable,
                                            pEncHuffState, bFlushState);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiEncodeHuffman8x8_DCFirst_JPEG_16s1u_C1)(
    const int16_t* pSrc, uint8_t* pDst, int32_t dstLen, int32_t* pDstCurrPos, int16_t* pLastDC, int32_t Al,
    const EncodeHuffmanSpec* pDcTable, EncodeHuffmanState* pEncHuffState, int32_t bFlushState)
{
    return huffman::encodeDcFirst<HuffmanMem>(pSrc, pDst, dstLen, pDstCurrPos, pLastDC, Al, pDcTable,
                                              pEncHuffState, bFlushState);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiEncodeHuffman8x8_DCRefine_JPEG_16s1u_C1)(
    const int16_t* pSrc, uint8_t* pDst, int32_t dstLen, int32_t* pDstCurrPos, int32_t Al,
    EncodeHuffmanState* pEncHuffState, int32_t bFlushState)
{
    return huffman::encodeDcRefine<HuffmanMem>(pSrc, pDst, dstLen, pDstCurrPos, Al, pEncHuffState,
                                               bFlushState);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiEncodeHuffman8x8_ACFirst_JPEG_16s1u_C1)(
    const int16_t* pSrc, uint8_t* pDst, int32_t dstLen, int32_t* pDstCurrPos, int32_t Ss, int32_t Se,
    int32_t Al, const EncodeHuffmanSpec* pAcTable, EncodeHuffmanState* pEncHuffState, int32_t bFlushState)
{
    return huffman::encodeAcBlock<HuffmanMem>(pSrc, pDst, dstLen, pDstCurrPos, Ss, Se, Al, pAcTable,
                                              pEncHuffState, bFlushState, huffman::encodeAcFirstBand);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiEncodeHuffman8x8_ACRefine_JPEG_16s1u_C1)(
    const int16_t* pSrc, uint8_t* pDst, int32_t dstLen, int32_t* pDstCurrPos, int32_t Ss, int32_t Se,
    int32_t Al, const EncodeHuffmanSpec* pAcTable, EncodeHuffmanState* pEncHuffState, int32_t bFlushState)
{
    return huffman::encodeAcBlock<HuffmanMem>(pSrc, pDst, dstLen, pDstCurrPos, Ss, Se, Al, pAcTable,
                                              pEncHuffState, bFlushState, huffman::encodeAcRefineBand);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiEncodeHuffmanOne_JPEG_16s1u_C1)(const int16_t* pSrc, uint8_t* pDst,
                                                                    int32_t dstLen, int32_t* pDstCurrPos,
                                                                    const EncodeHuffmanSpec* pEncHuffTable,
                                                                    EncodeHuffmanState* pEncHuffState,
                                                                    int32_t bFlushState)
{
    return huffman::encodeLosslessValue<HuffmanMem>(pSrc, pDst, dstLen, pDstCurrPos, pEncHuffTable,
                                                    pEncHuffState, bFlushState);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiGetHuffmanStatistics8x8_DCFirst_JPEG_16s_C1)(const int16_t* pSrc,
                                                                                 int32_t* pDcStatistics,
                                                                                 int16_t* pLastDC, int32_t Al)
{
    return huffman::statisticsDcFirst(pSrc, pDcStatistics, pLastDC, Al);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiGetHuffmanStatistics8x8_ACFirst_JPEG_16s_C1)(
    const int16_t* pSrc, int32_t* pAcStatistics, int32_t Ss, int32_t Se, int32_t Al,
    EncodeHuffmanState* pEncHuffState, int32_t bFlushState)
{
    return huffman::statisticsAcFirst<HuffmanMem>(pSrc, pAcStatistics, Ss, Se, Al, pEncHuffState,
                                                  bFlushState);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiGetHuffmanStatistics8x8_ACRefine_JPEG_16s_C1)(
    const int16_t* pSrc, int32_t* pAcStatistics, int32_t Ss, int32_t Se, int32_t Al,
    EncodeHuffmanState* pEncHuffState, int32_t bFlushState)
{
    return huffman::statisticsAcRefine<HuffmanMem>(pSrc, pAcStatistics, Ss, Se, Al, pEncHuffState,
                                                   bFlushState);
}

} // extern "C"
