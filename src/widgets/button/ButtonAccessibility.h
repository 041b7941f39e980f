#pragma once

namespace tidecopy {

// Makes assistive technology see every OwnerDrawnButton as a button, check box or radio
// button by its mode, named by its caption without access-key marks, with its checked
// state and a press action that acts as the access key does. Idempotent.
void installButtonAccessibility();

} // namespace tidecopy
