#include "testdata/ui/test_data_services.h"

void cmd_fatigue_Db_Test_Click(FormMain&) {}
