#pragma once

namespace termika {

// Registers the compiled-in artwork (":/img/..."). The resources live in a static library,
// so they must be pulled in by a call; calling it more than once is harmless.
void initAssets();

} // namespace termika
