#pragma once

namespace aisset {

class Form;

// Shows the ship's length (A + B) and width (C + D) from the four antenna fields
// in the ship-size label: "船长:120米   船宽:12米".
void ShowShipSize(Form &form);

} // namespace aisset
