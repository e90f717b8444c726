#pragma once

#include <cstdint>

// One frame component with its sampling, table selectors and reconstruction buffers.
class CJPEGColorComponent
{
public:
    CJPEGColorComponent() = default;
    virtual ~CJPEGColorComponent();
    CJPEGColorComponent(const CJPEGColorComponent&) = delete;
    CJPEGColorComponent& operator=(const CJPEGColorComponent&) = delete;

    std::int32_t id = 0;
    std::int32_t index = 0;
    std::int32_t h = 0;
    std::int32_t v = 0;
    std::int32_t hFactor = 0;
    std::int32_t vFactor = 0;
    std::int32_t quantTable = 0;
    std::int32_t dcTable = 0;
    std::int32_t acTable = 0;
    std::int32_t acComplete = 0;
    std::int16_t dcPredictor = 0;
    std::uint8_t* plane = nullptr;
    void* work = nullptr;
    std::uint8_t* line = nullptr;
    std::int16_t* currentRow = nullptr;
    std::int16_t* previousRow = nullptr;
};
