#include "progression/TProgressHooks.h"

TProgressHooks ProgressHooks;
