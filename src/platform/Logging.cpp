#include "Logging.h"

namespace tavlen {

Q_LOGGING_CATEGORY(lcNotify, "tavlen.notify")
Q_LOGGING_CATEGORY(lcPlatform, "tavlen.platform")

} // namespace tavlen
