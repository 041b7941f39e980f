#include "engine/IntegrityCheck.h"

#include "engine/CopyVerification.h"
#include "platform/Existence.h"

namespace tidecopy {

IntegrityResult checkIntegrity(FileSystem& fs, const PathStyle& style,
                               const std::vector<CopiedFile>& copied, const LogSink& log,
                               const RunControl& control, const CopyDigestSink& digests) {
    IntegrityResult result;
    Sha256 sha;
    FileSystem::ByteSink hashing;
    if (digests)
        hashing = [&sha](std::string_view bytes) {
            sha.add(bytes);
        };
    for (const CopiedFile& file : copied) {
        if (control.cancelled()) {
            result.cancelled = true;
            break;
        }
        const VerifyResult verified = verifyCopy(fs, file.source, file.target, control, hashing);
        // Starts the next file anew also after a comparison that stopped early.
        const Sha256Digest digest = sha.finish();
        if (verified == VerifyResult::Verified) {
            ++result.verified;
            if (digests)
                digests(file, digest);
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
