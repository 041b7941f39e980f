#pragma once

#include "platform/Power.h"

#include <functional>
#include <vector>

namespace tidecopy::test {

// Records power requests instead of making them; onRequest lets a test look at the
// world at the moment of the request.
class FakePower : public Power {
public:
    std::error_code request(PowerAction action) override {
        requests.push_back(action);
        if (onRequest)
            onRequest(action);
        return {};
    }

    std::vector<PowerAction> requests;
    std::function<void(PowerAction)> onRequest;
};

} // namespace tidecopy::test
