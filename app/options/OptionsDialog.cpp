#include "OptionsDialog.h"

OptionsDialog::~OptionsDialog() = default;
