#pragma once

namespace morvi {

// Help > バージョン情報: shows the version dialog modeless and without owner. While it is open
// choosing the item again brings that one to the front instead of opening a second.
void g_version_Click();

}  // namespace morvi
