#include "loading/ui/loading_services.h"

void ReadLoadingDatabase(FormMain&) {}
