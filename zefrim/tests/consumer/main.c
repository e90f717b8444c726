/* Links the installed libzefrim: <memory.h> must be the system's, the exports must run. */
#include <memory.h>
#include <stdio.h>
#include <zefrim/zefrim.h>

int main(void)
{
    const unsigned char source[4] = {1, 2, 3, 4};
    unsigned char copy[4];
    memset(copy, 0, sizeof copy);
    if (zfmsCopy_8u(source, copy, 4) != StatusOk || memcmp(source, copy, 4) != 0)
        return 1;
    const LibVersion* version = zfmsGetLibVersion();
    printf("%s\n", version->name);
    return 0;
}
