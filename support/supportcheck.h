#pragma once

class QCheckBox;

namespace support {

// Answers a click on the "support the author" check box: whichever way the
// user set it, the caption says they support the author. The value itself
// is the user's; it is only read here.
void updateSupportCaption(QCheckBox &box);

} // namespace support
