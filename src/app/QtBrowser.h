#pragma once

#include "update/WebServices.h"

namespace tidecopy {

// Opens web pages and mail links with the desktop's handlers. Only http, https and mailto
// addresses are ever opened: never a file or a program.
class QtBrowser : public Browser {
public:
    std::error_code open(const std::string& address) override;
};

} // namespace tidecopy
