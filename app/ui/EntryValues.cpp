#include "app/ui/EntryValues.h"

EntryValues entryValues;
