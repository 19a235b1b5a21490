// Conversions between WGS-84, GCJ-02, BD-09 and Web Mercator, and great-circle distances.
#pragma once

#include <tarvelin/rezezadovu/helpers.h>

#include <vector>

#include "providers/gobj/fundamental.hpp"

namespace tarvelin::rezezadovu::helpers {

// Degrees, longitude (or x) first; every operation is a pure function.
class TARVELIN_EXPORT LocationHelper : public gobj::Fundamental {
public:
    // Two coordinates, longitude (or x) first.
    using Point = std::vector<double>;

    static GType gtype();
    static gobj::Ref<LocationHelper> create(GType type = gtype());

    static double fabs(double x);
    static bool out_of_china(double longitude, double latitude);
    static double transform_latitude(double x, double y);
    static double transform_longitude(double x, double y);
    // The GCJ-02 shift at a point, in degrees.
    static void delta(double longitude, double latitude, double& d_longitude, double& d_latitude);
    static Point wgs84_to_gcj02(double longitude, double latitude);
    static Point gcj02_to_wgs84(double longitude, double latitude);
    static Point gcj02_to_bd09(double longitude, double latitude);
    static Point bd09_to_gcj02(double longitude, double latitude);
    static Point wgs84_to_bd09(double longitude, double latitude);
    static Point bd09_to_wgs84(double longitude, double latitude);
    static Point transform(double longitude, double latitude);
    static Point wgs84_to_epsg3857(double longitude, double latitude);
    static Point espg3857_to_wgs84(double x, double y);
    // Metres on a sphere of the Krasovsky semi-major axis.
    static double distance(double longitude1, double latitude1, double longitude2, double latitude2);
};

}  // namespace tarvelin::rezezadovu::helpers

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuHelpersLocationHelper, tarvelin::rezezadovu::helpers::LocationHelper)
