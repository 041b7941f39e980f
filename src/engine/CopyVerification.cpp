#include "engine/CopyVerification.h"

namespace tidecopy {

VerifyResult verifyCopy(FileSystem& fs, const std::string& source, const std::string& target,
                        const RunControl& control, const FileSystem::ByteSink& targetBytes) {
    const auto sourceInfo = fs.entryInfo(source);
    const auto targetInfo = fs.entryInfo(target);
    if (!sourceInfo || !targetInfo)
        return VerifyResult::Unreadable;
    if (sourceInfo->type != targetInfo->type)
        return VerifyResult::Differs;

    if (sourceInfo->type == EntryType::Symlink) {
        const auto sourceText = fs.readSymlink(source);
        const auto targetText = fs.readSymlink(target);
        if (!sourceText || !targetText)
            return VerifyResult::Unreadable;
        return *sourceText == *targetText ? VerifyResult::Verified : VerifyResult::Differs;
    }

    if (sourceInfo->size != targetInfo->size)
        return VerifyResult::Differs;
    if (fs.flushAndDropCache(target))
        return VerifyResult::Unreadable;
    const auto same = fs.compareContents(
        source, target, [&control](std::uint64_t) { return control.cancelled(); }, targetBytes);
    if (!same)
        return VerifyResult::Unreadable;
    return *same ? VerifyResult::Verified : VerifyResult::Differs;
}

} // namespace tidecopy
