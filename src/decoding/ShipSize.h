#pragma once

namespace aisset {

class Form;

// Shows the ship's length (A + B) and width (C + D) from the four antenna fields
// as the ship-size label's values.
void ShowShipSize(Form &form);

} // namespace aisset
