// The version records: one per function family (image, JPEG, signal) and build. Each build's
// version function returns its own record, so the record names the build installed at load.
#include "builds.h"

namespace {

// Shared by every record.
constexpr char kVersionText[] = "v5.1";
constexpr char kBuildDateText[] = "Mar  1 2006";

constexpr int32_t kMajor = 5;
constexpr int32_t kMinor = 1;
constexpr int32_t kMajorBuild = 80;
constexpr int32_t kImageBuild = 217;
constexpr int32_t kJpegBuild = 195;
constexpr int32_t kSignalBuild = 219;

constexpr LibVersion versionRecord(int32_t build, const char (&tag)[3], const char* name)
{
    return LibVersion{kMajor, kMinor,       kMajorBuild,   build, {tag[0], tag[1], 0, 0},
                      name,   kVersionText, kBuildDateText};
}

constexpr LibVersion kImageGn = versionRecord(kImageBuild, "gn", "zfmignl.lib");
constexpr LibVersion kImageS1 = versionRecord(kImageBuild, "s1", "zfmis1l.lib");
constexpr LibVersion kImageS2 = versionRecord(kImageBuild, "s2", "zfmis2l.lib");
constexpr LibVersion kImageS3 = versionRecord(kImageBuild, "s3", "zfmis3l.lib");
constexpr LibVersion kJpegGn = versionRecord(kJpegBuild, "gn", "zfmjgnl.lib");
constexpr LibVersion kJpegS1 = versionRecord(kJpegBuild, "s1", "zfmjs1l.lib");
constexpr LibVersion kJpegS2 = versionRecord(kJpegBuild, "s2", "zfmjs2l.lib");
constexpr LibVersion kJpegS3 = versionRecord(kJpegBuild, "s3", "zfmjs3l.lib");
constexpr LibVersion kSignalGn = versionRecord(kSignalBuild, "gn", "zfmsgnl.lib");
constexpr LibVersion kSignalS1 = versionRecord(kSignalBuild, "s1", "zfmss1l.lib");
constexpr LibVersion kSignalS2 = versionRecord(kSignalBuild, "s2", "zfmss2l.lib");
constexpr LibVersion kSignalS3 = versionRecord(kSignalBuild, "s3", "zfmss3l.lib");

} // namespace

extern "C" {

const LibVersion* zfmiGetLibVersion_gn()
{
    return &kImageGn;
}
const LibVersion* zfmiGetLibVersion_s1()
{
    return &kImageS1;
}
const LibVersion* zfmiGetLibVersion_s2()
{
    return &kImageS2;
}
const LibVersion* zfmiGetLibVersion_s3()
{
    return &kImageS3;
}
const LibVersion* zfmjGetLibVersion_gn()
{
    return &kJpegGn;
}
const LibVersion* zfmjGetLibVersion_s1()
{
    return &kJpegS1;
}
const LibVersion* zfmjGetLibVersion_s2()
{
    return &kJpegS2;
}
const LibVersion* zfmjGetLibVersion_s3()
{
    return &kJpegS3;
}
const LibVersion* zfmsGetLibVersion_gn()
{
    return &kSignalGn;
}
const LibVersion* zfmsGetLibVersion_s1()
{
    return &kSignalS1;
}
const LibVersion* zfmsGetLibVersion_s2()
{
    return &kSignalS2;
}
const LibVersion* zfmsGetLibVersion_s3()
{
    return &kSignalS3;
}

} // extern "C"
