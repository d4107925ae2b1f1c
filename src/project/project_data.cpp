#include "project/project_data.h"

namespace fljudge {
namespace {

Triple MakeTriple(double a, double b, double c) {
    Triple t;
    t[1] = a;
    t[2] = b;
    t[3] = c;
    return t;
}

}  // namespace

BasicInfo DefaultBasicInfo() {
    BasicInfo info;
    info.UnitWeightTable[1] = MakeTriple(18, 18, 8);
    info.UnitWeightTable[2] = MakeTriple(19, 19, 9);
    info.UnitWeightTable[3] = MakeTriple(20, 20, 10);
    info.RegionFactorTable[1] = MakeTriple(1.0, 1.2, 1.0);
    info.RegionFactorTable[2] = MakeTriple(1.0, 1.0, 1.0);
    info.RegionFactorTable[3] = MakeTriple(0.85, 1.2, 0.85);
    info.RegionFactorTable[4] = MakeTriple(0.85, 1.0, 0.85);
    info.RegionFactorTable[5] = MakeTriple(0.7, 0.8, 0.7);
    info.SeismicCoefTable[1] = MakeTriple(0.12, 0.50, 0.80);
    info.SeismicCoefTable[2] = MakeTriple(0.15, 0.45, 0.70);
    info.SeismicCoefTable[3] = MakeTriple(0.18, 0.40, 0.60);
    return info;
}

void NewProject(ProjectData& project, const BasicInfo& basicInfo) {
    project.RegionArea = 1;
    project.RegionFactors = basicInfo.RegionFactorTable[1];
    project.GroundType = 1;
    project.StdSeismicCoefs = basicInfo.SeismicCoefTable[1];
    project.DesignKhLv1 = project.RegionFactors[1] * project.StdSeismicCoefs[1];
    project.DesignKhLv2T1 = project.RegionFactors[2] * project.StdSeismicCoefs[2];
    project.DesignKhLv2T2 = project.RegionFactors[3] * project.StdSeismicCoefs[3];
    project.WaterDepth = 0;
    project.LayerCount = 0;
    project.SoilLayers.Fill(SoilLayer{});
    project.NValueCount = 0;
    project.NValues.Fill(NValuePoint{});
}

}  // namespace fljudge
