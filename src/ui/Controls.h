#pragma once

// Every control model.
#include "ui/ButtonModel.h"
#include "ui/CheckBoxModel.h"
#include "ui/ClickableModel.h"
#include "ui/ListBoxModel.h"
#include "ui/MenuItemModel.h"
#include "ui/OptionGroupModel.h"
#include "ui/ScrollBarModel.h"
#include "ui/TextBoxModel.h"
#include "ui/TextModel.h"
