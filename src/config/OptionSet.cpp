#include "config/OptionSet.h"

namespace tidecopy {

void OptionSet::keepChangedFilesTestingSize() {
    if (DateCondition == 0 && chkSizeFiles == 0)
        chkSizeFiles = 1;
}

} // namespace tidecopy
