#pragma once

struct MaterialData;

// A loading's mean-stress factor Su / (Su - k L Sm), or 0 when it would not
// be positive (the mean stress overloads the material).
float MeanStressFactor(float suUsed, float kLSm);

// Mean stress of the S-N data, TF x Se_n x 0.5 x (1 + r) / (1 - r).
float DataMeanStress(const MaterialData& md, float seN);

// Factor for the mean stress of the S-N data, Su / (Su - Sm_r): 1 when the
// data carry no positive mean stress or when the factor would not be positive.
float DataMeanStressFactor(float suUsed, float smR);
