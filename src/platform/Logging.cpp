#include "Logging.h"

namespace tavlen {

Q_LOGGING_CATEGORY(lcNotify, "tavlen.notify")

} // namespace tavlen
