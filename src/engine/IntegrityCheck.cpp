#include "engine/IntegrityCheck.h"

#include "engine/CopyVerification.h"
#include "platform/Existence.h"

namespace tidecopy {

IntegrityResult checkIntegrity(FileSystem& fs, const PathStyle& style,
                               const std::vector<CopiedFile>& copied, const LogSink& log,
                               const RunControl& control) {
    IntegrityResult result;
    for (const CopiedFile& file : copied) {
        if (control.cancelled()) {
            result.cancelled = true;
            break;
        }
        if (verifyCopy(fs, file.source, file.target, control) == VerifyResult::Verified) {
            ++result.verified;
        } else {
            ++result.failed;
            log("File '" + FileNameOf(style, file.target) + "' failed the integrity check.\r\n");
        }
        control.processEvents();
    }
    log("Integrity check: " + std::to_string(result.verified) + " file(s) verified, " +
        std::to_string(result.failed) + " failed.\r\n");
    return result;
}

} // namespace tidecopy
