#include "host_fixture.h"
