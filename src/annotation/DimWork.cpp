// DimWork: the record of the dimension being built, and its keeper.
#include "annotation/DimWork.h"

#include "annotation/Dimension.h"
#include "model/ProgramState.h"
#include "model/Units.h"

namespace lintavo {

DimWorkRec DimWork;

struct DimensionWorkKept::Values {
  DimWorkRec Work = DimWork;
  Single ArrowLength = DimArrowLength;
  Integer Metric = MetricUnit;
};

DimensionWorkKept::DimensionWorkKept() : kept_(std::make_unique<Values>()) { DimWork = DimWorkRec{}; }

DimensionWorkKept::~DimensionWorkKept() {
  DimWork = kept_->Work;
  DimArrowLength = kept_->ArrowLength;
  MetricUnit = kept_->Metric;
}

namespace {
void ResetDimWork() { DimWork = DimWorkRec{}; }
const ModuleRegistrar Registered({"DimWork", FloorAnnotation, ResetDimWork});
}  // namespace

}  // namespace lintavo
