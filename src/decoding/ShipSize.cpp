#include "decoding/ShipSize.h"

#include "encoding/Primitives.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "validation/CharacterChecks.h"

namespace aisset {

namespace {
// The leading number of an antenna field; the six-bit filter drops the unit "米"
// and keeps the prompt "_", so an empty field reads 0.
double antennaMetres(const Form &form, int slot) { return NumVal(checkasc(form.editText(slot))); }
} // namespace

void ShowShipSize(Form &form)
{
    const double length = antennaMetres(form, slot::antennaA) + antennaMetres(form, slot::antennaB);
    const double width = antennaMetres(form, slot::antennaC) + antennaMetres(form, slot::antennaD);
    form.setShipSize(ShipSize{length, width});
}

} // namespace aisset
